// The folder that the program removes, made at a drive's root with a chosen number of entries.
#pragma once

#include <string>

namespace bench {

// Makes `drive`\autorun.inf (drive as "q:") holding exactly `entries` files and folders at all
// depths: the folders con, aux and nul.xxxxxxx, and under them folders of up to 99 files each.
// Everything is made through \\?\ paths, so the reserved names are real folders.
void MakeAutorunTree(const std::wstring& drive, int entries);

bool AutorunTreeExists(const std::wstring& drive);

}  // namespace bench
