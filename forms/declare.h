// System functions declared by library and entry name and bound on their first call.
// For an ANSI entry a text argument goes to the system as a copy in the ANSI code page,
// and a text variable passed to it gets the copy back, converted, after the call; a wide
// entry takes its arguments as they are.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace forms {

class AnsiText {
 public:
  // The copy is converted back into `variable` when the call is over.
  explicit AnsiText(std::wstring& variable);
  explicit AnsiText(std::wstring_view constant);
  AnsiText(const AnsiText&) = delete;
  AnsiText& operator=(const AnsiText&) = delete;
  ~AnsiText();

  operator char*() { return buffer_.data(); }

 private:
  std::string buffer_;
  std::wstring* variable_ = nullptr;
};

// A text argument becomes an AnsiText for the length of the call; anything else goes as it is.
template <class Argument>
decltype(auto) MarshalArgument(Argument&& argument) {
  if constexpr (std::is_same_v<Argument, std::wstring&>) {
    return AnsiText(argument);
  } else if constexpr (std::is_convertible_v<Argument, std::wstring_view> &&
                       !std::is_null_pointer_v<std::remove_cvref_t<Argument>>) {
    return AnsiText(std::wstring_view(argument));
  } else {
    return std::forward<Argument>(argument);
  }
}

// Loads a library from the system directory, or gives the one already loaded; null when
// it can't. The library stays loaded for the rest of the run.
HMODULE SystemLibrary(std::wstring_view library);

// Finds an entry in a library of the system directory; raises "File not found" or
// "Can't find DLL entry point" when it can't.
FARPROC BindEntry(std::wstring_view library, const char* entry);

enum class TextArguments { Ansi, Wide };

// `Function` is the entry's pointer type, e.g. DWORD(WINAPI*)(LPCSTR).
template <class Function, TextArguments kTexts = TextArguments::Ansi>
class DeclaredFunction {
 public:
  DeclaredFunction(std::wstring_view library, const char* entry) : library_(library), entry_(entry) {}

  template <class... Arguments>
  auto operator()(Arguments&&... arguments) const {
    if constexpr (kTexts == TextArguments::Ansi) {
      return Bound()(MarshalArgument(std::forward<Arguments>(arguments))...);
    } else {
      return Bound()(std::forward<Arguments>(arguments)...);
    }
  }

 private:
  Function Bound() const {
    if (!bound_) bound_ = reinterpret_cast<Function>(reinterpret_cast<void*>(BindEntry(library_, entry_)));
    return bound_;
  }

  std::wstring_view library_;
  const char* entry_;
  mutable Function bound_ = nullptr;
};

}  // namespace forms
