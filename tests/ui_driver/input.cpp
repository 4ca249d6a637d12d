#include "tests/ui_driver/input.h"

#include <vector>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace ui {

namespace {

bool has(Modifiers set, Modifiers one)
{
    return static_cast<unsigned>(set) & static_cast<unsigned>(one);
}

INPUT keyInput(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A button going down or up at a screen point of the primary screen. The event carries
// the point itself, so it lands there also when the pointer has been put elsewhere since
// it was moved there.
INPUT buttonInputAt(POINT screenPoint, DWORD buttonFlag)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = buttonFlag | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // Absolute positions count in 65536ths of the screen; rounded up, the system's
    // conversion back (position * pixels / 65536, cut off) gives the pixel itself.
    const auto normalized = [](LONG pixel, int pixels) {
        return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + pixels - 1) / pixels);
    };
    input.mi.dx = normalized(screenPoint.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = normalized(screenPoint.y, GetSystemMetrics(SM_CYSCREEN));
    return input;
}

void send(std::vector<INPUT> inputs)
{
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size())
        throwLastError("SendInput");
}

} // namespace

void bringToForeground(HWND window)
{
    // Only top-level windows are foreground windows; a control stands for its window.
    HWND topLevel = GetAncestor(window, GA_ROOT);
    if (!topLevel)
        throw DriverError("bringToForeground: not a window");
    if (GetForegroundWindow() == topLevel)
        return;
    SetForegroundWindow(topLevel);
    waitFor("the window to come to the foreground", [&] { return GetForegroundWindow() == topLevel; });
}

void pressKey(HWND target, WORD virtualKey, Modifiers modifiers)
{
    bringToForeground(target);
    const WORD modifierKeys[] = {VK_SHIFT, VK_CONTROL, VK_MENU};
    const Modifiers modifierFlags[] = {Modifiers::shift, Modifiers::control, Modifiers::alt};
    std::vector<INPUT> inputs;
    for (int i = 0; i < 3; ++i) {
        if (has(modifiers, modifierFlags[i]))
            inputs.push_back(keyInput(modifierKeys[i], false));
    }
    inputs.push_back(keyInput(virtualKey, false));
    inputs.push_back(keyInput(virtualKey, true));
    for (int i = 2; i >= 0; --i) {
        if (has(modifiers, modifierFlags[i]))
            inputs.push_back(keyInput(modifierKeys[i], true));
    }
    send(std::move(inputs));
}

void clickButton(HWND button)
{
    if (!PostMessageW(button, BM_CLICK, 0, 0))
        throwLastError("PostMessageW BM_CLICK");
}

void clickAt(POINT screenPoint)
{
    movePointerTo(screenPoint);
    send({buttonInputAt(screenPoint, MOUSEEVENTF_LEFTDOWN), buttonInputAt(screenPoint, MOUSEEVENTF_LEFTUP)});
}

void clickOn(HWND window)
{
    clickAt(centerOf(window));
}

POINT centerOf(HWND window)
{
    const RECT rect = screenRect(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void movePointerTo(POINT screenPoint)
{
    if (!SetCursorPos(screenPoint.x, screenPoint.y))
        throwLastError("SetCursorPos");
    waitFor("the pointer to arrive", [&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == screenPoint.x && now.y == screenPoint.y;
    });
}

HCURSOR cursorAt(POINT screenPoint)
{
    movePointerTo(screenPoint);
    if (HWND under = WindowFromPoint(screenPoint))
        waitUntilIdle(under);
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info))
        throwLastError("GetCursorInfo");
    return info.hCursor;
}

} // namespace ui
