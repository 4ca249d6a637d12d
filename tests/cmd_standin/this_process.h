// Facts about the running process.
#pragma once

#include <optional>
#include <string>

namespace standin {

// The full path of the running program's file.
std::wstring ThisProgramPath();

// The current folder of the running program, as the system gives it (e.g. C:\windows\system32).
std::wstring CurrentFolder();

// The value of an environment variable of this process; nothing when it is not set.
std::optional<std::wstring> EnvironmentValue(const wchar_t* name);

// How the starter asked this process to show its window, as a log field: "show=<n>" with
// STARTUPINFO.wShowWindow when STARTF_USESHOWWINDOW is set, else "show=none".
std::wstring ShowStateField();

}  // namespace standin
