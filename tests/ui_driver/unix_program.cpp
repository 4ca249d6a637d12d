#include "tests/ui_driver/unix_program.h"

#include <windows.h>

#include "forms/owned.h"
#include "tests/ui_driver/error.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/text.h"

namespace ui {

void startUnixProgram(const std::vector<std::wstring>& arguments)
{
    if (arguments.empty())
        throw DriverError("startUnixProgram needs a program");
    std::wstring commandLine;
    for (const std::wstring& argument : arguments) {
        // Wine splits the line with the Windows rules; quotes inside would need escapes.
        if (argument.find(L'"') != std::wstring::npos)
            throw DriverError("a quote in a Unix program argument: " + toUtf8(argument));
        commandLine += (commandLine.empty() ? L"\"" : L" \"") + argument + L"\"";
    }
    const std::wstring program = windowsPath(arguments.front());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        throwLastError("CreateProcessW of " + toUtf8(arguments.front()));
    // Both are null for a Unix program; closed in case a Wine version fills them in.
    forms::OwnedHandle process(started.hProcess);
    forms::OwnedHandle thread(started.hThread);
}

} // namespace ui
