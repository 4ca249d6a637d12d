// The removal of autorun.inf timed two ways: through the program, and by the command
// interpreter started directly as the program starts it. Both ways learn of the
// interpreter's end the same way, from a job's completion port (process_job.h), and look at
// nothing while it runs: under Wine every look at windows is a request to the one
// wineserver thread that the interpreter's file operations also queue on.
#pragma once

#include <functional>
#include <string>

namespace bench {

struct RemovalThroughProgram {
  double interpreterEndMs = 0;  // from OK in "Confirmation" to the interpreter's end
  double resultBoxMs = 0;       // from that OK to the box "Information" up
};

// Puts the pointer in the screen's top-left corner, away from the program's windows, and
// starts `exe` in a job, with its current directory at `drive`'s root (so its drive picker
// is on that drive); once its window is ready, calls `makeTree`, so that the removal
// starts about as soon after the tree is made as the direct way's does. Then clicks Delete
// and answers OK to "Confirmation". The clock starts at that OK. The interpreter that the
// program starts is in the job; once the job reports its end, the box is looked for every
// millisecond. Throws when the program started anything but the system's cmd.exe, reports
// a failure, or leaves the folder.
RemovalThroughProgram TimeRemovalThroughProgram(const std::wstring& exe, const std::wstring& drive,
                                                const std::function<void()>& makeTree);

// Starts the system's cmd.exe with "cmd /c rd /s /q \\.\<drive>\autorun.inf" as the program
// starts it, in a job, and times it from just before CreateProcess until the job reports its
// end. Throws when the folder stays.
double TimeRemovalDirectly(const std::wstring& drive);

}  // namespace bench
