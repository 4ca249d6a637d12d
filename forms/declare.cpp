#include "forms/declare.h"

#include "forms/runtime_error.h"

namespace forms {
namespace {

std::string ToAnsi(std::wstring_view text) {
  if (text.empty()) return std::string(1, '\0');
  const int wide = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
  if (length == 0) RaiseLastError(L"WideCharToMultiByte");
  std::string ansi(static_cast<size_t>(length) + 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), wide, ansi.data(), length, nullptr, nullptr);
  return ansi;
}

}  // namespace

AnsiText::AnsiText(std::wstring& variable) : buffer_(ToAnsi(variable)), variable_(&variable) {}

AnsiText::AnsiText(std::wstring_view constant) : buffer_(ToAnsi(constant)) {}

AnsiText::~AnsiText() {
  if (!variable_) return;
  const char* text = buffer_.c_str();  // up to the first NUL, as the callee left it
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  // A copy that no longer converts leaves the variable as it was: a destructor can't raise.
  if (length == 0) return;
  std::wstring converted(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, converted.data(), length);
  converted.resize(static_cast<size_t>(length) - 1);
  *variable_ = std::move(converted);
}

HMODULE SystemLibrary(std::wstring_view library) {
  return LoadLibraryExW(std::wstring(library).c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

FARPROC BindEntry(std::wstring_view library, const char* entry) {
  const std::wstring name(library);
  HMODULE module = SystemLibrary(name);
  if (!module) throw RuntimeError(kFileNotFound, L"File not found: " + name);
  FARPROC address = GetProcAddress(module, entry);
  if (!address) {
    const std::string ansiEntry(entry);
    throw RuntimeError(kEntryPointNotFound, L"Can't find DLL entry point " +
                                                std::wstring(ansiEntry.begin(), ansiEntry.end()) + L" in " + name);
  }
  return address;
}

}  // namespace forms
