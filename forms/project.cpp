#include "forms/project.h"

#include <windows.h>

#include "forms/error_handling.h"
#include "forms/form.h"
#include "forms/internal.h"

namespace forms {
namespace {

const Project* current = nullptr;

}  // namespace

const Project& CurrentProject() {
  static const Project none{L"", nullptr};
  return current ? *current : none;
}

int Run(const Project& project) {
  // The program often runs from the very stick it cleans: libraries come from the system
  // directory only, never from the program's folder or the current one.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // An empty card reader or disc drive must never bring up the system's "insert a disk"
  // box, in the program or in the interpreter it starts, which inherits the mode.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  current = &project;
  std::unique_ptr<Form> startUp = project.createStartUpForm();
  RunEventHandler([&] { startUp->Show(); });
  PumpMessagesWhile(AnyFormLoaded);
  return 0;
}

}  // namespace forms
