#include "forms/error_handling.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "forms/message_box.h"
#include "forms/project.h"
#include "forms/text.h"

namespace forms {
namespace {

int runningHandlers = 0;
// Few entries, each at most once: the vector only grows when another kind of work is put off.
std::vector<void (*)() noexcept> deferredWork;

}  // namespace

HandlerScope::HandlerScope() noexcept { ++runningHandlers; }

HandlerScope::~HandlerScope() {
  if (--runningHandlers > 0) return;
  // Each piece runs its own handlers, which may put off work again: take it out first.
  while (!deferredWork.empty()) {
    void (*work)() noexcept = deferredWork.front();
    deferredWork.erase(deferredWork.begin());
    work();
  }
}

void WhenNoHandlerRuns(void (*work)() noexcept) {
  if (runningHandlers == 0) {
    work();
  } else if (std::find(deferredWork.begin(), deferredWork.end(), work) == deferredWork.end()) {
    deferredWork.push_back(work);
  }
}

void ErrObject::Clear() {
  Number = 0;
  Description.clear();
}

void ErrObject::Record(const RuntimeError& error) {
  Number = error.Number();
  Description = error.Description();
}

ErrObject& Err() {
  static ErrObject err;
  return err;
}

void ReportUnhandledError(const RuntimeError& error) noexcept {
  try {
    const std::wstring text =
        L"Run-time error '" + CStr(error.Number()) + L"':\r\n\r\n" + error.Description();
    MsgBox(text, MB_OK | MB_ICONERROR, CurrentProject().title);
  } catch (...) {
    // Nothing is left to report with; the program goes on as the box would have let it.
  }
}

}  // namespace forms
