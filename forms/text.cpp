#include "forms/text.h"

#include <iterator>

#include "forms/runtime_error.h"

namespace forms {

std::wstring Mid(std::wstring_view text, long start, long length) {
  if (start < 1 || length < 0) throw RuntimeError(kInvalidArgument);
  const size_t from = static_cast<size_t>(start) - 1;
  if (from >= text.size()) return {};
  return std::wstring(text.substr(from, static_cast<size_t>(length)));
}

// Not std::to_wstring: that formats through swprintf, which links the C library's whole
// printf (some 20 KB) into the executable.
std::wstring CStr(long long number) {
  // The magnitude as unsigned, so that the most negative number has one too.
  unsigned long long magnitude = static_cast<unsigned long long>(number);
  if (number < 0) magnitude = 0 - magnitude;
  wchar_t digits[24];
  wchar_t* first = std::end(digits);
  do {
    *--first = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (number < 0) *--first = L'-';
  return std::wstring(first, std::end(digits));
}

}  // namespace forms
