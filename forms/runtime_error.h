// Runtime errors: every failure of a window, control, runtime object or declared
// function is raised as a RuntimeError carrying the error's number and text.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace forms {

// The numbers this runtime raises.
enum ErrorNumber : long {
  kInvalidArgument = 5,
  kOutOfMemory = 7,
  kInternalError = 51,
  kFileNotFound = 53,
  kObjectNotSet = 91,
  kObjectUnloaded = 364,
  kAlreadyShown = 400,
  kEntryPointNotFound = 453,
};

class RuntimeError : public std::exception {
 public:
  RuntimeError(long number, std::wstring description);
  // An error with the standard text for its number.
  explicit RuntimeError(ErrorNumber number);

  long Number() const { return number_; }
  const std::wstring& Description() const { return description_; }
  const char* what() const noexcept override { return "forms runtime error"; }

 private:
  long number_;
  std::wstring description_;
};

// Raises the calling thread's last Win32 error, naming the operation that failed.
[[noreturn]] void RaiseLastError(std::wstring_view operation);

// The exception in flight, whatever its type, as a runtime error. Call inside a catch block.
RuntimeError CurrentRuntimeError();

}  // namespace forms
