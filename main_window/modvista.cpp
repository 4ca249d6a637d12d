#include "main_window/modvista.h"

#include "forms/error_handling.h"

namespace modvista {

const InitCommonControlsExFunction InitCommonControlsEx{L"comctl32.dll", "InitCommonControlsEx"};

forms::Boolean InitVisualStyles(const InitCommonControlsExFunction& initCommonControlsEx) {
  forms::ResumeNextOnError onError;
  INITCOMMONCONTROLSEX record;
  record.dwSize = sizeof(record);  // 8
  record.dwICC = ICC_USEREX_CLASSES;
  // What the function itself returns says nothing the program acts on.
  onError([&] { initCommonControlsEx(&record); });
  return forms::Err().Number == 0 ? forms::True : forms::False;
}

}  // namespace modvista
