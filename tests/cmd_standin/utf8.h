// Conversions between the program's UTF-16 text and the UTF-8 of the log files.
#pragma once

#include <string>
#include <string_view>

namespace standin {

std::string ToUtf8(std::wstring_view text);
// Throws a Win32Error for bytes that are not UTF-8.
std::wstring FromUtf8(std::string_view bytes);

}  // namespace standin
