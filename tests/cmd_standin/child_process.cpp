#include "tests/cmd_standin/child_process.h"

#include "forms/owned.h"
#include "tests/cmd_standin/this_process.h"
#include "tests/cmd_standin/win32_error.h"

namespace standin {
namespace {

constexpr DWORD kExitTimeoutMs = 60'000;

}  // namespace

DWORD RunToExit(const std::wstring& exe, std::wstring commandLine, std::optional<WORD> showWindow) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (showWindow) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = *showWindow;
  }
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    ThrowLastError(L"start " + exe);
  }
  const forms::OwnedHandle process(started.hProcess);
  const forms::OwnedHandle thread(started.hThread);
  if (WaitForSingleObject(process.Get(), kExitTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), ERROR_TIMEOUT);
    throw Win32Error(ERROR_TIMEOUT, L"wait for " + commandLine);
  }
  DWORD exitCode = 0;
  if (!GetExitCodeProcess(process.Get(), &exitCode)) ThrowLastError(L"exit code of " + exe);
  return exitCode;
}

std::wstring NextToThisProgram(std::wstring_view fileName) {
  const std::wstring program = ThisProgramPath();
  return program.substr(0, program.find_last_of(L'\\') + 1).append(fileName);
}

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::wstring name, const std::wstring& value)
    : name_(std::move(name)), previous_(EnvironmentValue(name_.c_str())) {
  if (!SetEnvironmentVariableW(name_.c_str(), value.c_str())) ThrowLastError(L"set " + name_);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
  // Restoring cannot fail for a variable that was set; there is nothing to do if it did.
  SetEnvironmentVariableW(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

}  // namespace standin
