// The removal of autorun.inf timed two ways: through the program, and by the command
// interpreter started directly with the program's command line.
#pragma once

#include <string>

namespace bench {

// Starts `exe` with its current directory at `drive`'s root (so its drive picker is on that
// drive), clicks Delete and answers OK to "Confirmation". Timed from that OK to the moment
// the box "Information" is up. Throws when the program reports a failure or the folder stays.
double TimeRemovalThroughProgram(const std::wstring& exe, const std::wstring& drive);

// Starts the system's cmd.exe with "cmd /c rd /s /q \\.\<drive>\autorun.inf", as the program
// starts it, and times it from CreateProcess to its end. Throws when the folder stays.
double TimeRemovalDirectly(const std::wstring& drive);

}  // namespace bench
