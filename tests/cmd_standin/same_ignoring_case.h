// Text equality the way the file system and cmd see it: ordinal, case ignored.
#pragma once

#include <string_view>

namespace standin {

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace standin
