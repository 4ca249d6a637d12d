// The project header that the entry point hands to the runtime.
#pragma once

#include <memory>
#include <string_view>

namespace forms {

class Form;

struct Project {
  std::wstring_view title;  // the program's name, also the title of the runtime's own messages
  // Creates the start-up window object; the runtime then shows it.
  std::unique_ptr<Form> (*createStartUpForm)();
};

// Starts the program and returns its exit code once its last window has been unloaded.
int Run(const Project& project);

const Project& CurrentProject();

}  // namespace forms
