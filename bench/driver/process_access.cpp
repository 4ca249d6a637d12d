#include "bench/driver/process_access.h"

#include <string>

#include "ui_driver/error.h"

namespace bench {
namespace {

ui::Handle Open(DWORD processId, DWORD access) {
  HANDLE process = OpenProcess(access, FALSE, processId);
  if (!process) ui::throwLastError("OpenProcess " + std::to_string(processId));
  return ui::Handle(process);
}

}  // namespace

ui::Handle OpenForQueries(DWORD processId) {
  return Open(processId, SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ);
}

ui::Handle OpenForJob(DWORD processId) { return Open(processId, PROCESS_SET_QUOTA | PROCESS_TERMINATE); }

}  // namespace bench
