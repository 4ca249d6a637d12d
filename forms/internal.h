// The runtime's parts among themselves: what its message loop, boxes, waits and windows
// ask of each other. A window class built on the runtime never includes this; the
// runtime's own tests do.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "forms/form.h"

namespace forms {

// What the message loop and Global may do to a window beyond its public face.
class FormInternals {
 public:
  static void MoveFocus(Form& form, bool backwards) { form.MoveFocus(backwards); }
  static bool PressAccessKey(Form& form, wchar_t key) { return form.PressAccessKey(key); }
  static bool PressFocusedButton(Form& form) { return form.PressFocusedButton(); }
  // Raises QueryUnload and unloads the window unless the handler cancelled. True when unloaded.
  static bool QueryUnloadThenUnload(Form& form, UnloadMode mode) { return form.QueryUnloadThenUnload(mode); }
};

// The form whose window this is (or contains), or null.
Form* FormOfWindow(HWND window);
// The window of the program that should own a message box now.
HWND ActiveFormWindow();
// Disables the program's windows that take input, but for `except`; returns them.
std::vector<HWND> DisableFormWindows(HWND except);
// The program ends when this turns false.
bool AnyFormLoaded();

// Dispatches messages while `keepGoing` holds. A WM_QUIT ends it and is posted again for
// the loop outside.
void PumpMessagesWhile(const std::function<bool()>& keepGoing);
// Tab and Shift+Tab, access keys (Alt+letter), Enter on a focused button and Alt+F4, for
// the program's windows. True when the key was handled and the message must go no further.
bool TranslateDialogKey(const MSG& message);
// The top-level windows of the calling thread.
std::vector<HWND> ThreadWindows();

// While the program waits for something it started, its windows show the wait cursor.
bool IsBusy();

}  // namespace forms
