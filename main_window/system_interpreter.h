// Where the removal's interpreter lives: the system's own cmd.exe, never one on the stick
// or in the current folder. Header-only, so that the tests and the bench name the same file.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

// The system directory, e.g. C:\windows\system32. A 32-bit program is given the same
// path; the system redirects what it opens there to its own folder.
inline std::wstring SystemDirectory() {
  wchar_t directory[MAX_PATH];
  const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) throw std::runtime_error("GetSystemDirectory failed");
  return std::wstring(directory, length);
}

inline std::wstring SystemCommandInterpreter() { return SystemDirectory() + L"\\cmd.exe"; }
