#include "tests/cmd_standin/same_ignoring_case.h"

#include <windows.h>

namespace standin {

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace standin
