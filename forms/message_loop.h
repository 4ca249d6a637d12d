// The message loop of the one user-interface thread, and the dialog keys it handles.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace forms {

// Dispatches messages while `keepGoing` holds. A WM_QUIT ends it and is posted again for
// the loop outside.
void PumpMessagesWhile(const std::function<bool()>& keepGoing);

// Tab and Shift+Tab, access keys (Alt+letter) and Enter on a focused button, for the
// program's windows. True when the key was handled and the message must go no further.
bool TranslateDialogKey(const MSG& message);

// The top-level windows of the calling thread.
std::vector<HWND> ThreadWindows();

// While the program waits for something it started, its windows show the wait cursor.
bool IsBusy();

}  // namespace forms
