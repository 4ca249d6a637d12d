#include "load_order.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Wine reads this when it starts a process: it is what decides, not WINEDLLOVERRIDES in
// the environment handed to the child (measured: that never reaches the loader).
constexpr wchar_t kOverrides[] = L"Software\\Wine\\DllOverrides";

std::optional<std::wstring> ReadOrder(const std::wstring& module) {
  wchar_t value[64] = {};
  DWORD bytes = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kOverrides, module.c_str(), RRF_RT_REG_SZ, nullptr, value, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

void WriteOrder(const std::wstring& module, const std::optional<std::wstring>& order) {
  const LSTATUS status =
      order ? RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, module.c_str(), REG_SZ, order->c_str(),
                              static_cast<DWORD>((order->size() + 1) * sizeof(wchar_t)))
            : RegDeleteKeyValueW(HKEY_CURRENT_USER, kOverrides, module.c_str());
  EXPECT_EQ(status, ERROR_SUCCESS) << "the load order was not changed";
}

}  // namespace

LoadOrder::LoadOrder(std::wstring module, std::wstring_view order)
    : module_(std::move(module)), previous_(ReadOrder(module_)) {
  WriteOrder(module_, std::wstring(order));
}

LoadOrder::~LoadOrder() { WriteOrder(module_, previous_); }
