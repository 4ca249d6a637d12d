// A program with known windows, for the driver's own tests (driver_target_contract.h).
#include <windows.h>

#include <cwchar>
#include <string>
#include <string_view>

#include "tests/ui_driver/driver_target_contract.h"

namespace {

using namespace driver_target;

HCURSOR pointerCursor = nullptr;

HCURSOR makeCursor(HINSTANCE instance)
{
    const CursorPlane andPlane = cursorAndPlane();
    const CursorPlane xorPlane{};
    return CreateCursor(instance, cursorHotspotX, cursorHotspotY, cursorSize, cursorSize, andPlane.data(),
                        xorPlane.data());
}

LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == GetDlgItem(window, pointerButtonId)) {
            SetCursor(pointerCursor);
            return TRUE;
        }
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == doneButtonId)
            PostQuitMessage(exitDone);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(exitClosed);
        return 0;
    case WM_QUERYENDSESSION:
        return MessageBoxW(window, sessionEndText, sessionEndTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
    case WM_ENDSESSION:
        if (wParam)
            PostQuitMessage(exitSessionEnded);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The hook of "window busy": sees every message sent to a window of this thread.
LRESULT CALLBACK busyAfterSentNull(int code, WPARAM sentByThisThread, LPARAM message)
{
    if (code == HC_ACTION && !sentByThisThread && reinterpret_cast<const CWPSTRUCT*>(message)->message == WM_NULL) {
        ReplyMessage(0);
        Sleep(busyMilliseconds);
    }
    return CallNextHookEx(nullptr, code, sentByThisThread, message);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return handle(window, message, wParam, lParam);
    } catch (...) {
        PostQuitMessage(exitFailed);
        return 0;
    }
}

void addControl(HWND parent, HINSTANCE instance, const wchar_t* className, const wchar_t* text, int id, DWORD style,
                int top)
{
    CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, top, 120, 28, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

int showWindow(HINSTANCE instance, bool busy)
{
    if (busy && !SetWindowsHookExW(WH_CALLWNDPROC, busyAfterSentNull, nullptr, GetCurrentThreadId()))
        return exitFailed;
    pointerCursor = makeCursor(instance);
    WNDCLASSW windowClassInfo{};
    windowClassInfo.lpfnWndProc = windowProcedure;
    windowClassInfo.hInstance = instance;
    windowClassInfo.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClassInfo.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClassInfo.lpszClassName = windowClass;
    if (!RegisterClassW(&windowClassInfo) || !pointerCursor)
        return exitFailed;
    HWND window = CreateWindowExW(0, windowClass, windowCaption, WS_OVERLAPPEDWINDOW, 200, 150, 420, 260, nullptr,
                                  nullptr, instance, nullptr);
    if (!window)
        return exitFailed;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pointerCursor));
    addControl(window, instance, L"Static", labelText, labelId, 0, 10);
    addControl(window, instance, L"Button", pointerButtonText, pointerButtonId, WS_TABSTOP, 50);
    addControl(window, instance, L"Button", doneButtonText, doneButtonId, WS_TABSTOP, 90);
    ShowWindow(window, SW_SHOW);
    SetFocus(GetDlgItem(window, pointerButtonId));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    const std::wstring arguments = commandLine;
    constexpr std::wstring_view messageBoxMode = L"messagebox ";
    if (arguments.starts_with(messageBoxMode)) {
        const UINT flags = static_cast<UINT>(std::wcstoul(arguments.c_str() + messageBoxMode.size(), nullptr, 10));
        return MessageBoxW(nullptr, messageBoxText, messageBoxTitle, flags);
    }
    if (arguments == L"window" || arguments == L"window busy")
        return showWindow(instance, arguments == L"window busy");
    return exitFailed;
}
