// The About window: product name, programmer, publisher, version and a Close button.
#pragma once

#include "forms/form.h"

class Form1 : public forms::FormWithHandlers<Form1> {
 public:
  Form1();

 private:
  struct Handlers;  // the table of control events, in form1.cpp

  void Command1_Click();
};
