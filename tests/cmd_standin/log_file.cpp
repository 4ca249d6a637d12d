#include "tests/cmd_standin/log_file.h"

#include <windows.h>

#include "forms/owned.h"
#include "tests/cmd_standin/utf8.h"
#include "tests/cmd_standin/win32_error.h"

namespace standin {
namespace {

std::string Contents(const forms::OwnedHandle& file, const std::wstring& path) {
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  do {
    if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) ThrowLastError(L"read " + path);
    bytes.append(chunk, read);
  } while (read > 0);
  return bytes;
}

}  // namespace

std::vector<std::wstring> LogLines(const std::wstring& path) {
  const forms::OwnedHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return {};
    ThrowLastError(L"open " + path);
  }
  const std::wstring text = FromUtf8(Contents(file, path));
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  // A piece after the last LF is a record cut short; it is kept so a test sees it.
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace standin
