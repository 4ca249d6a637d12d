// UTF-16 of the system calls to UTF-8 for messages, and UTF-8 of files and test names to
// UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace ui {

std::string toUtf8(std::wstring_view text);
// Bytes that are not UTF-8 become U+FFFD, as in messages.
std::wstring fromUtf8(std::string_view text);

// The text in lower case, as the system folds it.
std::wstring lowerCase(std::wstring text);

} // namespace ui
