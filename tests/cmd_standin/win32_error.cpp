#include "tests/cmd_standin/win32_error.h"

#include "tests/cmd_standin/utf8.h"

namespace standin {
namespace {

std::wstring SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length ? std::wstring(text, length) : std::wstring();
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
    message.pop_back();
  return message + L" (error " + std::to_wstring(code) + L")";
}

}  // namespace

Win32Error::Win32Error(DWORD code, std::wstring operation)
    : code_(code),
      description_(std::move(operation) + L": " + SystemMessage(code)),
      utf8Description_(ToUtf8(description_)) {}

void ThrowLastError(std::wstring_view operation) {
  const DWORD code = GetLastError();
  throw Win32Error(code, std::wstring(operation));
}

}  // namespace standin
