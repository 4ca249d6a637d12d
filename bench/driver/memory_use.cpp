#include "bench/driver/memory_use.h"

#include <psapi.h>

#include "tests/ui_driver/error.h"

namespace bench {

MemoryUse MemoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
    ui::throwLastError("GetProcessMemoryInfo");
  }
  return {counters.WorkingSetSize, counters.PrivateUsage, counters.PagefileUsage};
}

}  // namespace bench
