// The drive picker's list: the computer's drives, as "c: [label]".
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace forms {

// The entries, in drive-letter order: the letter in lower case and its colon, then for a
// ready volume its label in brackets, for a network drive its remote name in brackets.
std::vector<std::wstring> ListDrives();

// Fills a drop-down list with the drives and selects the current drive.
void FillDriveList(HWND combo);
// Reads the drives afresh, keeping the selected drive where it is still there. True when
// the selected drive changed.
bool RefreshDriveList(HWND combo);
std::wstring SelectedDrive(HWND combo);

}  // namespace forms
