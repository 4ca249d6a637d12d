// When a started program counts as up: the definition behind every start-up figure.
#pragma once

#include <windows.h>

#include "tests/ui_driver/program.h"

namespace bench {

// Waits, in this order, until
//   1. WaitForInputIdle returns for the process (it has waited for input once),
//   2. a top-level window of the process is visible and holds `controls` child windows or more,
//   3. that window answers a sent WM_NULL (its thread is back in its message loop),
// and returns the window. Throws when a step takes more than a few seconds.
HWND WaitUntilReady(const ui::Program& program, int controls);

}  // namespace bench
