// Reading the stand-ins' logs (see log_line.h for their form).
#pragma once

#include <string>
#include <vector>

namespace standin {

// The lines of the log at `path`, without their LF; none when there is no such file.
std::vector<std::wstring> LogLines(const std::wstring& path);

}  // namespace standin
