#include "forms/error_handling.h"

#include <windows.h>

#include "forms/message_box.h"
#include "forms/project.h"
#include "forms/text.h"

namespace forms {

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
