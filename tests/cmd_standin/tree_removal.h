// Removes a folder with everything in it, as `rd /s /q` does.
#pragma once

#include <string>
#include <vector>

#include "tests/cmd_standin/win32_error.h"

namespace standin {

// Depth first, read-only entries included, through the path as given (so \\.\ and \\?\ reach
// entries named con, aux or nul.xxx). A symbolic link or junction is removed itself and never
// descended into. An entry that cannot be removed is skipped, its folders stay, and the
// removal goes on with the rest. Returns the failures: none means the folder is gone.
std::vector<Win32Error> RemoveTree(const std::wstring& folder);

}  // namespace standin
