// Facts about windows of any process, as the system reports them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/ui_driver/wait.h"

namespace ui {

// Top-level windows of the process, visible or not, front to back.
std::vector<HWND> topLevelWindows(DWORD processId);
// Every control inside `parent`, depth first, each level front to back (the tab order
// of controls that were created in that order).
std::vector<HWND> childControls(HWND parent);

DWORD processOf(HWND window);
DWORD threadOf(HWND window);
std::wstring className(HWND window);
std::wstring caption(HWND window);
// The text that the window answers to WM_GETTEXT: for a drop-down list, its selection.
std::wstring shownText(HWND window);
int controlId(HWND window);
DWORD style(HWND window);
DWORD exStyle(HWND window);
bool hasStyle(HWND window, DWORD bits);
bool hasExStyle(HWND window, DWORD bits);
RECT screenRect(HWND window);
// In client coordinates: left and top are 0.
RECT clientRect(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT rectInParent(HWND window);
bool isVisible(HWND window);
bool isEnabled(HWND window);

// The window with the keyboard focus in the thread that owns `window`, or null.
HWND focusedWindow(HWND window);
// The active window of the thread that owns `window`, or null.
HWND activeWindow(HWND window);
HWND foregroundWindow();

// An empty class name or caption matches any. Null when none matches.
HWND findTopLevel(DWORD processId, std::wstring_view className, std::wstring_view caption);
HWND findControl(HWND parent, std::wstring_view className, std::wstring_view caption);
HWND findControl(HWND parent, int id);

// A visible top-level window of the process with that class and caption.
HWND waitForTopLevel(DWORD processId, std::wstring_view className, std::wstring_view caption,
                     std::chrono::milliseconds bound = defaultWait);

// One line per visible top-level window: handle, process id, class and caption; then a
// line with the foreground window and, in its thread, the windows with the focus and the
// capture and the GUI_ flags (menu mode, for one).
std::string describeVisibleWindows();

} // namespace ui
