// The error modes of a procedure and the runtime's error object.
//
//   no mode             errors simply propagate (plain C++);
//   ResumeNextOnError   each statement passed to it that raises is skipped, Err() records it;
//   LeaveSilentlyOnError a raised error ends the procedure without a word.
//
// An error that leaves an event handler reaches ReportUnhandledError: a message box
// with the error's number and text, after which the program goes on. No error unwinds
// through the system's frames: window procedures and other functions that the system
// calls run their bodies through RunEventHandler or AtSystemBoundary.
#pragma once

#include <string>

#include "forms/runtime_error.h"

namespace forms {

struct ErrObject {
  long Number = 0;
  std::wstring Description;

  void Clear();
  void Record(const RuntimeError& error);
};

// The program's one error object.
ErrObject& Err();

class ResumeNextOnError {
 public:
  // Setting the mode clears the error object.
  ResumeNextOnError() { Err().Clear(); }

  template <class Statement>
  void operator()(Statement&& statement) noexcept {
    try {
      statement();
    } catch (...) {
      Err().Record(CurrentRuntimeError());
    }
  }
};

template <class Body>
void LeaveSilentlyOnError(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
    // This mode's contract: the procedure ends at the error and nothing is reported.
  }
}

// The runtime's default handling of an error that leaves an event handler.
void ReportUnhandledError(const RuntimeError& error) noexcept;

// Counts the event handlers that are running, nested ones included: a box, a modal window
// or the wait for a started program runs inside the handler that opened it. When the
// outermost one ends, the program's windows take input again and the work put off until
// then runs.
class HandlerScope {
 public:
  HandlerScope() noexcept;
  ~HandlerScope();
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};

// Runs `work` now when no event handler is running, or else once the outermost one has
// ended; asked for again before then, it still runs once.
void WhenNoHandlerRuns(void (*work)() noexcept);

// Runs an event handler at a window-procedure boundary: nothing unwinds into the system.
template <class Handler>
void RunEventHandler(Handler&& handler) noexcept {
  HandlerScope running;
  try {
    handler();
  } catch (...) {
    ReportUnhandledError(CurrentRuntimeError());
  }
}

// Runs the body of a window procedure or of another function that the system calls: an
// error that would unwind into the system's frames takes the default handling instead,
// and `failed` is returned.
template <class Result, class Body>
Result AtSystemBoundary(Result failed, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    ReportUnhandledError(CurrentRuntimeError());
    return failed;
  }
}

}  // namespace forms
