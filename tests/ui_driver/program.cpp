#include "tests/ui_driver/program.h"

#include <cwchar>
#include <cwctype>
#include <iostream>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/window_query.h"

namespace ui {

namespace {

bool sameName(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(a[i]) != std::towupper(b[i]))
            return false;
    }
    return true;
}

std::wstring_view nameOf(std::wstring_view entry)
{
    // Entries such as "=C:=C:\x" keep their leading '='.
    return entry.substr(0, entry.find(L'=', 1));
}

// The test's environment block with `extra` put in; variable names ignore case.
std::wstring environmentBlock(const std::vector<EnvironmentVariable>& extra)
{
    std::wstring block;
    wchar_t* own = GetEnvironmentStringsW();
    if (!own)
        throwLastError("GetEnvironmentStringsW");
    for (const wchar_t* entry = own; *entry; entry += std::wcslen(entry) + 1) {
        const std::wstring_view text = entry;
        bool replaced = false;
        for (const EnvironmentVariable& variable : extra)
            replaced = replaced || sameName(nameOf(text), variable.name);
        if (!replaced)
            block.append(text).push_back(L'\0');
    }
    FreeEnvironmentStringsW(own);
    for (const EnvironmentVariable& variable : extra)
        block.append(variable.name).append(L"=").append(variable.value).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

} // namespace

Program::Program(const ProgramStart& start)
{
    std::wstring commandLine = L"\"" + start.exe + L"\"";
    if (!start.arguments.empty())
        commandLine += L" " + start.arguments;
    std::wstring environment = environmentBlock(start.environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(start.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.data(), start.currentDirectory.empty() ? nullptr : start.currentDirectory.c_str(),
                        &startup, &started))
        throwLastError("CreateProcessW of " + toUtf8(start.exe));
    process_ = forms::OwnedHandle(started.hProcess);
    forms::OwnedHandle thread(started.hThread);
    processId_ = started.dwProcessId;
}

Program Program::underTest(std::wstring arguments)
{
    return Program(ProgramStart{programPath(), std::move(arguments), {}, {}});
}

Program::~Program()
{
    if (!process_.Get())
        return;
    try {
        kill();
    } catch (const std::exception& error) {
        // A destructor must not throw; the session's stop ends what is left.
        std::cerr << "program " << processId_ << " was not ended: " << error.what() << '\n';
    }
}

bool Program::isRunning() const
{
    return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

DWORD Program::waitForExit(std::chrono::milliseconds bound) const
{
    waitFor("process " + std::to_string(processId_) + " to end", [&] { return !isRunning(); }, bound);
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.Get(), &code))
        throwLastError("GetExitCodeProcess");
    return code;
}

HWND Program::waitForWindow(std::wstring_view caption, std::chrono::milliseconds bound) const
{
    return waitForTopLevel(processId_, {}, caption, bound);
}

void Program::kill()
{
    if (!isRunning())
        return;
    // A program that ends by itself in the meantime makes this fail harmlessly.
    TerminateProcess(process_.Get(), 1);
    waitFor("process " + std::to_string(processId_) + " to die", [&] { return !isRunning(); });
}

} // namespace ui
