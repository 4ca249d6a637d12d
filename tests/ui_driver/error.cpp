#include "tests/ui_driver/error.h"

#include <windows.h>

#include <string>

namespace ui {

void throwLastError(std::string_view what)
{
    const DWORD code = GetLastError();
    throw DriverError(std::string(what) + " failed, error " + std::to_string(code));
}

} // namespace ui
