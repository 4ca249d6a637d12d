// Starting a program the way a caller under test does, and waiting for it with a bound.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace standin {

// Starts `exe` with exactly `commandLine` as its command line (STARTF_USESHOWWINDOW and
// `showWindow` when given) and returns its exit code. Throws if it does not end in time.
DWORD RunToExit(const std::wstring& exe, std::wstring commandLine,
                std::optional<WORD> showWindow = std::nullopt);

// The path of `fileName` in the folder of the running program.
std::wstring NextToThisProgram(std::wstring_view fileName);

// Sets an environment variable of this process, which the programs it starts inherit,
// and restores the old state when it goes.
class ScopedEnvironmentVariable {
 public:
  ScopedEnvironmentVariable(std::wstring name, const std::wstring& value);
  ~ScopedEnvironmentVariable();
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

 private:
  std::wstring name_;
  std::optional<std::wstring> previous_;
};

}  // namespace standin
