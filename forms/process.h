// Starting programs: Shell, and the modal wait for a program that the user waits on.
#pragma once

#include <windows.h>

#include <string_view>

#include "forms/owned.h"

namespace forms {

// Shell's window styles.
enum WindowStyle : int {
  kHide = 0,
  kNormalFocus = 1,
  kMinimizedFocus = 2,
  kMaximizedFocus = 3,
  kNormalNoFocus = 4,
  kMinimizedNoFocus = 6,
};

struct StartedProgram {
  OwnedHandle process;
  DWORD id = 0;
};

// Starts `commandLine`. With an empty `application` the system finds the program that the
// line names first; otherwise `application` is the program's full path. The program starts
// in `currentDirectory`, or in this program's current folder when that is empty. Raises
// "File not found" when nothing can be started.
StartedProgram StartProgram(std::wstring_view application, std::wstring_view commandLine, WindowStyle style,
                            std::wstring_view currentDirectory = {});

// Starts the command line and returns its task id at once.
long Shell(std::wstring_view commandLine, WindowStyle style);

// Waits for the process to end while the program's windows go on painting but take no
// input and show the wait cursor, as under a modal box.
void WaitModally(HANDLE process);

}  // namespace forms
