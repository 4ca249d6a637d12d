#include "bench/driver/process_job.h"

#include <string>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/wait.h"

namespace bench {

ProcessJob::ProcessJob() {
  port_ = forms::OwnedHandle(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
  if (!port_.Get()) ui::throwLastError("CreateIoCompletionPort");
  job_ = forms::OwnedHandle(CreateJobObjectW(nullptr, nullptr));
  if (!job_.Get()) ui::throwLastError("CreateJobObject");
  JOBOBJECT_ASSOCIATE_COMPLETION_PORT association{};
  association.CompletionPort = port_.Get();
  if (!SetInformationJobObject(job_.Get(), JobObjectAssociateCompletionPortInformation, &association,
                               sizeof association)) {
    ui::throwLastError("SetInformationJobObject, completion port");
  }
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job_.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
    ui::throwLastError("SetInformationJobObject, limits");
  }
}

void ProcessJob::Adopt(HANDLE process) const {
  if (!AssignProcessToJobObject(job_.Get(), process)) ui::throwLastError("AssignProcessToJobObject");
}

DWORD ProcessJob::WaitForStart(DWORD known, std::chrono::milliseconds bound) const {
  const Deadline deadline = std::chrono::steady_clock::now() + bound;
  for (;;) {
    // A process put in the job is announced too.
    const Message message = Next(deadline, "a process to start", bound);
    if (message.kind == JOB_OBJECT_MSG_NEW_PROCESS && message.processId != known) return message.processId;
  }
}

void ProcessJob::WaitForEnd(DWORD processId, std::chrono::milliseconds bound) const {
  const Deadline deadline = std::chrono::steady_clock::now() + bound;
  for (;;) {
    const Message message = Next(deadline, "a process to end", bound);
    const bool ended =
        message.kind == JOB_OBJECT_MSG_EXIT_PROCESS || message.kind == JOB_OBJECT_MSG_ABNORMAL_EXIT_PROCESS;
    if (ended && message.processId == processId) return;
  }
}

ProcessJob::Message ProcessJob::Next(Deadline deadline, const char* what, std::chrono::milliseconds bound) const {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  DWORD kind = 0;
  ULONG_PTR key = 0;
  OVERLAPPED* detail = nullptr;
  if (!GetQueuedCompletionStatus(port_.Get(), &kind, &key, &detail,
                                 static_cast<DWORD>(left.count() > 0 ? left.count() : 0))) {
    if (GetLastError() == WAIT_TIMEOUT) throw ui::WaitTimeout(what, bound);
    ui::throwLastError("GetQueuedCompletionStatus");
  }
  // A job's message carries the process id where an I/O completion has its OVERLAPPED.
  return {kind, static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(detail))};
}

}  // namespace bench
