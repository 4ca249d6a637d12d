// A handle of a program that ui::Program started, for the queries that need one.
#pragma once

#include <windows.h>

#include "ui_driver/handle.h"

namespace bench {

// Open for WaitForInputIdle, GetProcessMemoryInfo and waiting for its end.
ui::Handle OpenForQueries(DWORD processId);

}  // namespace bench
