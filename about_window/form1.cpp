#include "about_window/form1.h"

#include "about_window/form1_description.h"
#include "forms/global.h"

const forms::EventHandler<Form1> Form1::kHandlers[] = {
    {L"Command1", forms::Event::Click, &Form1::Command1_Click},
};

Form1::Form1() : FormWithHandlers(Form1Description, kHandlers) {}

void Form1::Command1_Click() { forms::Global().Unload(*this); }
