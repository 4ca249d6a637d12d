// String functions of the language.
#pragma once

#include <string>
#include <string_view>

namespace forms {

// The part of `text` from the 1-based position `start`, at most `length` characters.
std::wstring Mid(std::wstring_view text, long start, long length);

// A number in decimal, as CStr writes it: a minus sign before a negative one, no spaces.
std::wstring CStr(long long number);

}  // namespace forms
