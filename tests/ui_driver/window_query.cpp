#include "tests/ui_driver/window_query.h"

#include <exception>
#include <optional>
#include <sstream>
#include <utility>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/text.h"

namespace ui {

namespace {

struct Enumeration {
    std::vector<HWND> windows;
    std::exception_ptr failure;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM context)
{
    auto& enumeration = *reinterpret_cast<Enumeration*>(context);
    try {
        enumeration.windows.push_back(window);
        return TRUE;
    } catch (...) {
        enumeration.failure = std::current_exception();
        return FALSE;
    }
}

// EnumWindows takes a snapshot, so windows that come and go meanwhile do not cut it short.
std::vector<HWND> allTopLevelWindows()
{
    Enumeration enumeration;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&enumeration));
    if (enumeration.failure)
        std::rethrow_exception(enumeration.failure);
    return enumeration.windows;
}

void appendDescendants(HWND parent, std::vector<HWND>& controls)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
        appendDescendants(child, controls);
    }
}

// Empty when the window has ended: windows of other programs may go at any moment.
std::optional<std::wstring> classNameIfAlive(HWND window)
{
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    if (length == 0)
        return std::nullopt;
    return std::wstring(name, static_cast<size_t>(length));
}

bool matches(HWND window, std::wstring_view wantedClass, std::wstring_view wantedCaption)
{
    const auto name = classNameIfAlive(window);
    return name && (wantedClass.empty() || *name == wantedClass) &&
           (wantedCaption.empty() || caption(window) == wantedCaption);
}

GUITHREADINFO guiThreadInfo(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadOf(window), &info))
        throwLastError("GetGUIThreadInfo");
    return info;
}

} // namespace

std::vector<HWND> topLevelWindows(DWORD processId)
{
    std::vector<HWND> windows;
    for (HWND window : allTopLevelWindows()) {
        if (processOf(window) == processId)
            windows.push_back(window);
    }
    return windows;
}

std::vector<HWND> childControls(HWND parent)
{
    std::vector<HWND> controls;
    appendDescendants(parent, controls);
    return controls;
}

DWORD processOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

DWORD threadOf(HWND window)
{
    return GetWindowThreadProcessId(window, nullptr);
}

std::wstring className(HWND window)
{
    auto name = classNameIfAlive(window);
    if (!name)
        throwLastError("GetClassNameW");
    return std::move(*name);
}

std::wstring caption(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring shownText(HWND window)
{
    constexpr UINT timeoutMs = 5000;
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length))
        throwLastError("WM_GETTEXTLENGTH");
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             timeoutMs, &copied))
        throwLastError("WM_GETTEXT");
    text.resize(copied);
    return text;
}

int controlId(HWND window)
{
    return GetDlgCtrlID(window);
}

DWORD style(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

DWORD exStyle(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
}

bool hasStyle(HWND window, DWORD bits)
{
    return (style(window) & bits) == bits;
}

bool hasExStyle(HWND window, DWORD bits)
{
    return (exStyle(window) & bits) == bits;
}

RECT screenRect(HWND window)
{
    RECT rect{};
    if (!GetWindowRect(window, &rect))
        throwLastError("GetWindowRect");
    return rect;
}

RECT clientRect(HWND window)
{
    RECT rect{};
    if (!GetClientRect(window, &rect))
        throwLastError("GetClientRect");
    return rect;
}

RECT rectInParent(HWND window)
{
    RECT rect = screenRect(window);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool isVisible(HWND window)
{
    return IsWindowVisible(window) != FALSE;
}

bool isEnabled(HWND window)
{
    return IsWindowEnabled(window) != FALSE;
}

HWND focusedWindow(HWND window)
{
    return guiThreadInfo(window).hwndFocus;
}

HWND activeWindow(HWND window)
{
    return guiThreadInfo(window).hwndActive;
}

HWND foregroundWindow()
{
    return GetForegroundWindow();
}

HWND findTopLevel(DWORD processId, std::wstring_view wantedClass, std::wstring_view wantedCaption)
{
    for (HWND window : topLevelWindows(processId)) {
        if (isVisible(window) && matches(window, wantedClass, wantedCaption))
            return window;
    }
    return nullptr;
}

HWND findControl(HWND parent, std::wstring_view wantedClass, std::wstring_view wantedCaption)
{
    for (HWND control : childControls(parent)) {
        if (matches(control, wantedClass, wantedCaption))
            return control;
    }
    return nullptr;
}

HWND findControl(HWND parent, int id)
{
    for (HWND control : childControls(parent)) {
        if (controlId(control) == id)
            return control;
    }
    return nullptr;
}

HWND waitForTopLevel(DWORD processId, std::wstring_view wantedClass, std::wstring_view wantedCaption,
                     std::chrono::milliseconds bound)
{
    std::string what = "a window of process " + std::to_string(processId);
    if (!wantedClass.empty())
        what += " of class " + toUtf8(wantedClass);
    if (!wantedCaption.empty())
        what += " with caption \"" + toUtf8(wantedCaption) + "\"";
    return waitFor(what, [&] { return findTopLevel(processId, wantedClass, wantedCaption); }, bound);
}

std::string describeVisibleWindows()
{
    std::ostringstream lines;
    for (HWND window : allTopLevelWindows()) {
        const auto name = classNameIfAlive(window);
        if (!name || !isVisible(window))
            continue;
        lines << "  " << window << "  pid " << processOf(window) << "  " << toUtf8(*name) << "  \""
              << toUtf8(caption(window)) << "\"\n";
    }
    if (lines.str().empty())
        lines << "  (none)\n";
    // Where keys and clicks go now. Without a foreground window there is no thread to
    // ask, and there is then no focus or capture either.
    GUITHREADINFO front{};
    front.cbSize = sizeof front;
    if (!GetGUIThreadInfo(0, &front))
        front = {};
    lines << "  foreground " << GetForegroundWindow() << ", focus " << front.hwndFocus << ", capture "
          << front.hwndCapture << ", flags " << front.flags << "\n";
    return lines.str();
}

} // namespace ui
