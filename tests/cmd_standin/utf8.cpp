#include "tests/cmd_standin/utf8.h"

#include <windows.h>

#include "tests/cmd_standin/win32_error.h"

namespace standin {

std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  // Without WC_ERR_INVALID_CHARS a lone surrogate becomes U+FFFD; the call fails only on
  // arguments that these are not.
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::wstring FromUtf8(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size == 0) ThrowLastError(L"convert from UTF-8");
  std::wstring text(size, L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), length, text.data(), size);
  return text;
}

}  // namespace standin
