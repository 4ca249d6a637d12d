// The one command this stand-in carries out: cmd /c rd /s /q <path in the device namespace>.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace standin {

// The folder to remove when `commandLine` is exactly that command, else nothing.
// The program may be "cmd" or a path to cmd.exe; switches and the command name match in any
// case, as cmd matches them; the path must start with \\.\ or \\?\ and stand alone.
std::optional<std::wstring> RemovalTargetOf(std::wstring_view commandLine);

}  // namespace standin
