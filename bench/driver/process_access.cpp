#include "bench/driver/process_access.h"

#include <string>

#include "tests/ui_driver/error.h"

namespace bench {
namespace {

forms::OwnedHandle Open(DWORD processId, DWORD access) {
  HANDLE process = OpenProcess(access, FALSE, processId);
  if (!process) ui::throwLastError("OpenProcess " + std::to_string(processId));
  return forms::OwnedHandle(process);
}

}  // namespace

forms::OwnedHandle OpenForQueries(DWORD processId) {
  return Open(processId, SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ);
}

forms::OwnedHandle OpenForJob(DWORD processId) { return Open(processId, PROCESS_SET_QUOTA | PROCESS_TERMINATE); }

}  // namespace bench
