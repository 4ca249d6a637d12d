// A failed Win32 call, with the operation and the path it was working on.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

namespace standin {

class Win32Error : public std::exception {
 public:
  Win32Error(DWORD code, std::wstring operation);

  DWORD Code() const { return code_; }
  // "<operation>: <system message> (error <code>)", for a console or a log.
  const std::wstring& Describe() const { return description_; }
  // The same in UTF-8, for a test report.
  const char* what() const noexcept override { return utf8Description_.c_str(); }

 private:
  DWORD code_;
  std::wstring description_;
  std::string utf8Description_;
};

// Throws the calling thread's last error as a Win32Error.
[[noreturn]] void ThrowLastError(std::wstring_view operation);

}  // namespace standin
