// Handles of processes that the driver did not start itself: the programs that ui::Program
// starts, and the interpreter that the program starts.
#pragma once

#include <windows.h>

#include "forms/owned.h"

namespace bench {

// Open for WaitForInputIdle, GetProcessMemoryInfo, QueryFullProcessImageName and waiting
// for its end.
forms::OwnedHandle OpenForQueries(DWORD processId);

// Open for AssignProcessToJobObject.
forms::OwnedHandle OpenForJob(DWORD processId);

}  // namespace bench
