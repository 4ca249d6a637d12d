// What a running process holds in memory, read from outside it.
#pragma once

#include <windows.h>

namespace bench {

struct MemoryUse {
  SIZE_T workingSetBytes = 0;
  SIZE_T privateBytes = 0;      // PrivateUsage
  SIZE_T commitChargeBytes = 0;  // PagefileUsage: the same figure on Windows; the one Wine fills
};

MemoryUse MemoryOf(HANDLE process);

}  // namespace bench
