// The runtime's program-wide objects: Global, through which windows are unloaded, and one
// instance of each window class that the program uses by name.
#pragma once

#include <memory>

#include "forms/form.h"

namespace forms {

class GlobalObject {
 public:
  // Raises the window's QueryUnload and unloads it unless the handler cancelled.
  void Unload(Form& form);
};

// Created on first use, kept for the run.
GlobalObject& Global();

// The program-wide instance of a window class: empty at start, created on first use,
// kept for the run, also after its window has been unloaded.
template <class F>
F& ProgramWide() {
  static std::unique_ptr<F> instance;
  if (!instance) instance = NewForm<F>();
  return *instance;
}

}  // namespace forms
