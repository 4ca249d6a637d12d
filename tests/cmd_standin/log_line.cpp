#include "tests/cmd_standin/log_line.h"

#include <windows.h>

#include <string>

#include "forms/owned.h"
#include "tests/cmd_standin/this_process.h"
#include "tests/cmd_standin/utf8.h"
#include "tests/cmd_standin/win32_error.h"

namespace standin {

bool AppendLineToLogNamedBy(const wchar_t* variable, std::wstring_view line) {
  const std::optional<std::wstring> path = EnvironmentValue(variable);
  if (!path || path->empty()) return false;
  const std::string record = ToUtf8(line) + '\n';
  // Append-only access: every write lands at the end, whoever else has the file open.
  const forms::OwnedHandle file(CreateFileW(path->c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowLastError(L"open log " + *path);
  DWORD written = 0;
  if (!WriteFile(file.Get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr)) {
    ThrowLastError(L"write log " + *path);
  }
  if (written != record.size()) throw Win32Error(ERROR_WRITE_FAULT, L"write log " + *path);
  return true;
}

}  // namespace standin
