#include "interpreter_choice.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Wine reads this when it starts a process: it is what decides, not WINEDLLOVERRIDES in
// the environment handed to the child (measured: that never reaches the loader).
void SetCmdLoadOrder(const wchar_t* order) {
  const DWORD bytes = static_cast<DWORD>((wcslen(order) + 1) * sizeof(wchar_t));
  const LSTATUS status =
      RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", L"cmd.exe", REG_SZ, order, bytes);
  EXPECT_EQ(status, ERROR_SUCCESS) << "the load order of cmd.exe was not set";
}

}  // namespace

BuiltInInterpreter::BuiltInInterpreter() { SetCmdLoadOrder(L"builtin"); }

BuiltInInterpreter::~BuiltInInterpreter() { SetCmdLoadOrder(L"native"); }
