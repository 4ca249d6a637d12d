#include "forms/global.h"

namespace forms {

void GlobalObject::Unload(Form& form) { form.QueryUnloadThenUnload(kFormCode); }

GlobalObject& Global() {
  static GlobalObject global;
  return global;
}

}  // namespace forms
