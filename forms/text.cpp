#include "forms/text.h"

#include "forms/runtime_error.h"

namespace forms {

std::wstring Mid(std::wstring_view text, long start, long length) {
  if (start < 1 || length < 0) throw RuntimeError(kInvalidArgument);
  const size_t from = static_cast<size_t>(start) - 1;
  if (from >= text.size()) return {};
  return std::wstring(text.substr(from, static_cast<size_t>(length)));
}

}  // namespace forms
