// A program that a test starts and ends: killed when the object goes, if still running.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "forms/owned.h"
#include "tests/ui_driver/wait.h"

namespace ui {

struct EnvironmentVariable {
    std::wstring name;
    std::wstring value;
};

struct ProgramStart {
    std::wstring exe;
    // Appended to the quoted exe path to make the command line.
    std::wstring arguments;
    // Empty: the test's own.
    std::wstring currentDirectory;
    // Added to the test's environment, replacing variables of the same name, for
    // example {L"WINEDLLOVERRIDES", L"cmd.exe=n"}.
    std::vector<EnvironmentVariable> environment;
};

class Program {
public:
    explicit Program(const ProgramStart& start);
    // The program under test (KELVORN_EXE) with these arguments.
    static Program underTest(std::wstring arguments = {});

    Program(Program&&) noexcept = default;
    Program& operator=(Program&&) = delete;
    ~Program();

    DWORD processId() const { return processId_; }
    bool isRunning() const;
    // The exit code; throws WaitTimeout if the program still runs after `bound`.
    DWORD waitForExit(std::chrono::milliseconds bound = defaultWait) const;
    // A visible top-level window of this program with exactly this caption.
    HWND waitForWindow(std::wstring_view caption, std::chrono::milliseconds bound = defaultWait) const;
    void kill();

private:
    forms::OwnedHandle process_;
    DWORD processId_ = 0;
};

} // namespace ui
