#include "bench/driver/process_access.h"

#include "ui_driver/error.h"

namespace bench {

ui::Handle OpenForQueries(DWORD processId) {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (!process) ui::throwLastError("OpenProcess " + std::to_string(processId));
  return ui::Handle(process);
}

}  // namespace bench
