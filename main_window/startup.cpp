// The entry point hands the project to the runtime, which starts the main window.
#include <windows.h>

#include "forms/project.h"
#include "main_window/frm_auto.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  static const forms::Project project{
      L"Kelvorn Drast", []() -> std::unique_ptr<forms::Form> { return forms::NewForm<frmAuto>(); }};
  return forms::Run(project);
}
