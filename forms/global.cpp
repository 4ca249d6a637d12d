#include "forms/global.h"

#include "forms/internal.h"

namespace forms {

void GlobalObject::Unload(Form& form) { FormInternals::QueryUnloadThenUnload(form, kFormCode); }

GlobalObject& Global() {
  static GlobalObject global;
  return global;
}

}  // namespace forms
