#include "tests/cmd_standin/this_process.h"

#include <windows.h>

#include "tests/cmd_standin/win32_error.h"

namespace standin {

std::wstring ThisProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) ThrowLastError(L"GetModuleFileNameW");
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring CurrentFolder() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  if (size == 0) ThrowLastError(L"GetCurrentDirectoryW");
  std::wstring folder(size, L'\0');
  folder.resize(GetCurrentDirectoryW(size, folder.data()));
  return folder;
}

std::optional<std::wstring> EnvironmentValue(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

std::wstring ShowStateField() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  if (!(startup.dwFlags & STARTF_USESHOWWINDOW)) return L"show=none";
  return L"show=" + std::to_wstring(startup.wShowWindow);
}

}  // namespace standin
