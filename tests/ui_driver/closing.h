// The ways a user ends a window, and the system's session end.
#pragma once

#include <windows.h>

#include "tests/ui_driver/pending_reply.h"

namespace ui {

// The system menu's Close: WM_SYSCOMMAND SC_CLOSE, posted.
void closeBySystemMenu(HWND window);
// A real click on the caption's close box (measured: posted WM_NCLBUTTONDOWN/UP on
// HTCLOSE do nothing under Wine, a click does).
void closeByCloseBox(HWND window);
// The screen point of the close box, found by hit-testing along the caption.
POINT closeBoxPoint(HWND window);

// WM_QUERYENDSESSION as Windows sends it before a shutdown. The window may ask the
// user first, so the reply comes later: press the box's button, then wait for it.
PendingReply queryEndSession(HWND window);
// WM_ENDSESSION telling whether the session really ends.
void endSession(HWND window, bool ending);

} // namespace ui
