// Wine's load order for one DLL or exe of the test session, changed for as long as this
// object lives: e.g. L"cmd.exe" and L"builtin" runs Wine's own interpreter instead of the
// session's stand-in, L"comctl32" and L"" makes the common controls unavailable. Programs
// started while it lives load that way; programs already running are not affected.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

class LoadOrder {
public:
    LoadOrder(std::wstring module, std::wstring_view order);
    ~LoadOrder();
    LoadOrder(const LoadOrder&) = delete;
    LoadOrder& operator=(const LoadOrder&) = delete;

private:
    std::wstring module_;
    std::optional<std::wstring> previous_;
};

} // namespace ui
