// A job whose completion port tells when a process in it starts and when one ends, with no
// polling: watching a process this way costs it nothing while it runs.
//
// Under Wine a process just made may have a signalled handle (its exit code still
// STILL_ACTIVE) until its first thread runs, so a process heard of as it starts is not
// waited for by its handle; the job's message of its end comes only once it has ended.
#pragma once

#include <windows.h>

#include <chrono>

#include "forms/owned.h"

namespace bench {

class ProcessJob {
 public:
  // Everything in the job is ended when the job goes, so that no process outlives a sample.
  ProcessJob();

  // Puts `process` (open with PROCESS_SET_QUOTA and PROCESS_TERMINATE) in the job. The
  // processes it starts from then on are in the job too.
  void Adopt(HANDLE process) const;

  // Waits until a process other than `known` starts in the job and returns its id.
  DWORD WaitForStart(DWORD known, std::chrono::milliseconds bound) const;

  // Waits until the process `processId` of the job has ended.
  void WaitForEnd(DWORD processId, std::chrono::milliseconds bound) const;

 private:
  struct Message {
    DWORD kind;  // JOB_OBJECT_MSG_...
    DWORD processId;
  };
  using Deadline = std::chrono::steady_clock::time_point;

  // The next message, or WaitTimeout naming `what` once `deadline` has passed.
  Message Next(Deadline deadline, const char* what, std::chrono::milliseconds bound) const;

  forms::OwnedHandle port_;
  forms::OwnedHandle job_;
};

}  // namespace bench
