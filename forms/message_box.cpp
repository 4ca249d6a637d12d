#include "forms/message_box.h"

#include <string>

#include "forms/internal.h"
#include "forms/runtime_error.h"

namespace forms {

int MsgBox(std::wstring_view prompt, UINT flags, std::wstring_view title) {
  // Owned by the active window, which takes no input until the box is answered.
  const int pressed = MessageBoxW(ActiveFormWindow(), std::wstring(prompt).c_str(), std::wstring(title).c_str(),
                                  flags | MB_APPLMODAL);
  if (pressed == 0) RaiseLastError(L"MessageBox");
  return pressed;
}

}  // namespace forms
