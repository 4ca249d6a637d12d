#include "forms/runtime_error.h"

#include <windows.h>

#include <new>

#include "forms/text.h"

namespace forms {
namespace {

std::wstring StandardText(ErrorNumber number) {
  switch (number) {
    case kInvalidArgument: return L"Invalid procedure call or argument";
    case kOutOfMemory: return L"Out of memory";
    case kInternalError: return L"Internal error";
    case kFileNotFound: return L"File not found";
    case kObjectNotSet: return L"Object variable not set";
    case kObjectUnloaded: return L"Object was unloaded";
    case kAlreadyShown: return L"Form already displayed; can't show modally";
    case kEntryPointNotFound: return L"Can't find DLL entry point";
  }
  return L"Application-defined or object-defined error";
}

std::wstring SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length ? std::wstring(text, length) : L"system error " + CStr(code);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
  return message;
}

}  // namespace

RuntimeError::RuntimeError(long number, std::wstring description)
    : number_(number), description_(std::move(description)) {}

RuntimeError::RuntimeError(ErrorNumber number) : RuntimeError(number, StandardText(number)) {}

void RaiseLastError(std::wstring_view operation) {
  const DWORD code = GetLastError();
  // Win32 failures travel as automation errors, the way the system reports them as HRESULTs.
  throw RuntimeError(static_cast<long>(HRESULT_FROM_WIN32(code)),
                     std::wstring(operation) + L": " + SystemMessage(code));
}

RuntimeError CurrentRuntimeError() {
  try {
    throw;
  } catch (const RuntimeError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return RuntimeError(kOutOfMemory);
  } catch (...) {
    return RuntimeError(kInternalError);
  }
}

}  // namespace forms
