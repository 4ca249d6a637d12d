// Handles of processes that the driver did not start itself: the programs that ui::Program
// starts, and the interpreter that the program starts.
#pragma once

#include <windows.h>

#include "ui_driver/handle.h"

namespace bench {

// Open for WaitForInputIdle, GetProcessMemoryInfo, QueryFullProcessImageName and waiting
// for its end.
ui::Handle OpenForQueries(DWORD processId);

// Open for AssignProcessToJobObject.
ui::Handle OpenForJob(DWORD processId);

}  // namespace bench
