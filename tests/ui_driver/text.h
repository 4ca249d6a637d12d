// UTF-16 of the system calls to UTF-8 for messages.
#pragma once

#include <string>
#include <string_view>

namespace ui {

std::string toUtf8(std::wstring_view text);

} // namespace ui
