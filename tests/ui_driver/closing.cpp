#include "tests/ui_driver/closing.h"

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/window_query.h"

namespace ui {

namespace {

LRESULT hitTest(HWND window, POINT point)
{
    DWORD_PTR area = HTNOWHERE;
    if (!SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y), SMTO_NORMAL,
                             static_cast<UINT>(defaultWait.count()), &area))
        throwLastError("SendMessageTimeoutW WM_NCHITTEST");
    return static_cast<LRESULT>(area);
}

} // namespace

void closeBySystemMenu(HWND window)
{
    if (!PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0))
        throwLastError("PostMessageW WM_SYSCOMMAND SC_CLOSE");
}

POINT closeBoxPoint(HWND window)
{
    const RECT frame = screenRect(window);
    const RECT client = clientRect(window);
    POINT clientTop{0, 0};
    ClientToScreen(window, &clientTop);
    // Along the middle of the caption, which lies between the frame's top and the client area.
    const int captionMiddle = (frame.top + clientTop.y) / 2;
    for (int x = frame.right - 1; x > frame.left + client.right / 2; --x) {
        if (hitTest(window, {x, captionMiddle}) == HTCLOSE) {
            // Two pixels in from the box's right edge, clear of its border.
            return {x - 2, captionMiddle};
        }
    }
    throw DriverError("the window has no close box");
}

void closeByCloseBox(HWND window)
{
    const POINT closeBox = closeBoxPoint(window);
    bringToForeground(window);
    clickAt(closeBox);
}

PendingReply queryEndSession(HWND window)
{
    return PendingReply(window, WM_QUERYENDSESSION, 0, 0);
}

void endSession(HWND window, bool ending)
{
    DWORD_PTR reply = 0;
    if (SendMessageTimeoutW(window, WM_ENDSESSION, ending ? TRUE : FALSE, 0, SMTO_NORMAL,
                            static_cast<UINT>(defaultWait.count()), &reply))
        return;
    // A program may end inside its WM_ENDSESSION handler, and then no reply comes.
    waitFor("the window to answer WM_ENDSESSION or to end", [&] { return !IsWindow(window); });
}

} // namespace ui
