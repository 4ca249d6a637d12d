// Processes of the session and the modules they load, as the system lists them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

// Whether a process of that exe name ("url_recorder.exe", any case) runs.
bool processRunning(std::wstring_view exeName);
// Whether a process of that exe name runs that `parent` started.
bool childProcessRunning(DWORD parent, std::wstring_view exeName);
// The path of the process's module of that name (e.g. "comctl32.dll", any case); empty
// when it has not loaded one.
std::wstring loadedModulePath(DWORD processId, std::wstring_view moduleName);

} // namespace ui
