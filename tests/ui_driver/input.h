// Keyboard and mouse input as a user gives it (SendInput), and button clicks by message.
//
// Measured under Wine 8 with Xvfb: SendInput goes to the foreground window, so the key
// functions bring their target to the front first; a real click on a caption's close box
// closes the window, while posted WM_NCLBUTTONDOWN/UP on HTCLOSE do nothing.
#pragma once

#include <windows.h>


namespace ui {

enum class Modifiers : unsigned { none = 0, shift = 1, control = 2, alt = 4 };

constexpr Modifiers operator|(Modifiers a, Modifiers b)
{
    return static_cast<Modifiers>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// Makes `window` (for a control: the top-level window that holds it) the foreground
// window and waits until it is.
void bringToForeground(HWND window);

// One key press (down and up) with the modifiers held, to `target` brought to the front.
// The key goes to the control that has the focus in that window; a control as target
// only names its window, it does not take the focus:
// pressKey(box, VK_ESCAPE), pressKey(main, VK_TAB, Modifiers::shift),
// pressKey(main, 'D', Modifiers::alt), pressKey(main, VK_F4, Modifiers::alt).
void pressKey(HWND target, WORD virtualKey, Modifiers modifiers = Modifiers::none);

// Posts BM_CLICK: returns at once, also when the click opens a modal box.
void clickButton(HWND button);
// A real left click at a point of the primary screen. Seen under Wine: just after the
// move there, the pointer was back at an earlier place (where the program's window had
// appeared under it; Wine turns the X server's pointer events into moves, late ones
// too), and a press sent then landed there. So the press and the release carry the
// point themselves.
void clickAt(POINT screenPoint);
// A real left click on the middle of the window.
void clickOn(HWND window);

POINT centerOf(HWND window);
void movePointerTo(POINT screenPoint);
// Moves the pointer there and returns the handle of the cursor that shows. Under Wine a
// handle is valid only in the process that made the cursor: two points showing the
// same cursor give the same handle, but a handle from LoadCursor in the test never
// equals the program's. cursor_image.h reads the shape itself.
HCURSOR cursorAt(POINT screenPoint);

} // namespace ui
