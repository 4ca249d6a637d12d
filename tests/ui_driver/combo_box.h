// What a combo box of any process lists, read through its messages (GetWindowText reads
// only a window's stored caption).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

// Its entries, in the order it lists them.
std::vector<std::wstring> listEntries(HWND comboBox);
// The selected entry; empty when none is.
std::wstring selectedEntry(HWND comboBox);

} // namespace ui
