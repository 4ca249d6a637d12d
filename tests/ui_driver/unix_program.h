// Starting a program of the Linux side from inside Wine.
#pragma once

#include <string>
#include <vector>

namespace ui {

// Starts `arguments[0]` (a Unix path) with the rest as its arguments, in the test's
// environment. Wine runs a non-Windows file with CreateProcess by forking, but gives
// back no process handle (measured: hProcess is null), so the caller cannot wait for
// it and has to poll for what the program does.
void startUnixProgram(const std::vector<std::wstring>& arguments);

} // namespace ui
