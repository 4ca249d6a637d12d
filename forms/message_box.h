// MsgBox: application-modal, no help file; returns the pressed button (IDOK, IDNO, ...).
#pragma once

#include <windows.h>

#include <string_view>

namespace forms {

int MsgBox(std::wstring_view prompt, UINT flags, std::wstring_view title);

}  // namespace forms
