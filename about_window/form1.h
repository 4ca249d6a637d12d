// The About window: product name, programmer, publisher, version and a Close button.
#pragma once

#include "forms/form.h"

class Form1 : public forms::FormWithHandlers<Form1> {
 public:
  Form1();

 private:
  static const forms::EventHandler<Form1> kHandlers[];

  void Command1_Click();
};
