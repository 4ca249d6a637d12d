#include "tests/ui_driver/load_order.h"

#include <windows.h>

#include <iostream>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/text.h"

namespace ui {

namespace {

// Wine reads this when it starts a process: it is what decides, not WINEDLLOVERRIDES in
// the environment handed to the child (measured: that never reaches the loader).
constexpr wchar_t overrides[] = L"Software\\Wine\\DllOverrides";

std::optional<std::wstring> readOrder(const std::wstring& module)
{
    wchar_t value[64] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, overrides, module.c_str(), RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void writeOrder(const std::wstring& module, const std::optional<std::wstring>& order)
{
    const LSTATUS status = order
        ? RegSetKeyValueW(HKEY_CURRENT_USER, overrides, module.c_str(), REG_SZ, order->c_str(),
                          static_cast<DWORD>((order->size() + 1) * sizeof(wchar_t)))
        : RegDeleteKeyValueW(HKEY_CURRENT_USER, overrides, module.c_str());
    if (status != ERROR_SUCCESS)
        throw DriverError("the load order of " + toUtf8(module) + " was not changed, error " + std::to_string(status));
}

} // namespace

LoadOrder::LoadOrder(std::wstring module, std::wstring_view order)
    : module_(std::move(module)), previous_(readOrder(module_))
{
    writeOrder(module_, std::wstring(order));
}

LoadOrder::~LoadOrder()
{
    try {
        writeOrder(module_, previous_);
    } catch (const std::exception& error) {
        // A destructor must not throw; the order then stays until the session ends.
        std::cerr << error.what() << '\n';
    }
}

} // namespace ui
