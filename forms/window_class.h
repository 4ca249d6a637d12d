// The runtime's own window classes, registered on first use.
#pragma once

#include <windows.h>

namespace forms {

// Registers the class with the arrow cursor unless this module has it already.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure);

}  // namespace forms
