// The error modes of a procedure and the runtime's error object.
//
//   no mode             errors simply propagate (plain C++);
//   ResumeNextOnError   each statement passed to it that raises is skipped, Err() records it;
//   LeaveSilentlyOnError a raised error ends the procedure without a word.
//
// An error that leaves an event handler reaches ReportUnhandledError: a message box
// with the error's number and text, after which the program goes on.
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

// Runs an event handler at a window-procedure boundary: nothing unwinds into the system.
template <class Handler>
void RunEventHandler(Handler&& handler) noexcept {
  try {
    handler();
  } catch (...) {
    ReportUnhandledError(CurrentRuntimeError());
  }
}

}  // namespace forms
