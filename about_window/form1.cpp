#include "about_window/form1.h"

#include "about_window/form1_description.h"
#include "forms/global.h"

struct Form1::Handlers {
  static constexpr forms::EventHandler<Form1> kTable[] = {
      {L"Command1", forms::Event::Click, &Form1::Command1_Click},
  };
  static_assert(forms::HandlersMatch<Form1>(Form1Description, kTable),
                "every handler names a control of the About window and an event that it raises");
};

Form1::Form1() : FormWithHandlers(Form1Description, Handlers::kTable) {}

void Form1::Command1_Click() { forms::Global().Unload(*this); }
