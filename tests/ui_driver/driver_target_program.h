// Starting driver_target.exe, which lies beside the test exes.
#pragma once

#include <string>

#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/program.h"

inline ui::Program startDriverTarget(std::wstring arguments)
{
    return ui::Program(ui::ProgramStart{ui::besideThisExe(L"driver_target.exe"), std::move(arguments), {}, {}});
}
