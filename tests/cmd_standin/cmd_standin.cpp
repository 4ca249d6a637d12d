// A stand-in for the command interpreter, for tests only: it carries out the one command
// cmd /c rd /s /q <\\.\ or \\?\ path> and records how it was started.
//
// Log: when CMD_STANDIN_LOG holds a Windows path, each start appends one line to that file,
// UTF-8, ended by LF, before anything else is done. Four fields, split by TAB:
//   show=<n>      STARTUPINFO.wShowWindow when STARTF_USESHOWWINDOW is set, else show=none
//   exe=<path>    this program's own path, telling which cmd ran
//   cwd=<path>    the current folder it was started in
//   <command>     the command line exactly as received (last: only it may hold a TAB)
// e.g.  show=2<TAB>exe=C:\windows\system32\cmd.exe<TAB>cwd=C:\windows\system32<TAB>cmd /c rd /s /q \\.\q:\autorun.inf
//
// Exit codes:
//   0  the folder is gone
//   1  the removal failed: the folder, or something in it, is still there
//   2  the command line is not that command; nothing was touched
//   3  the log could not be written; nothing was touched
// Failures are also written to the standard error stream.
//
// CMD_STANDIN_DELAY_MS: when it holds a number, the stand-in waits that many milliseconds
// after the log line before it does anything else, so that a test can watch the program
// while its interpreter runs.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <exception>
#include <string>

#include "tests/cmd_standin/command_form.h"
#include "tests/cmd_standin/log_line.h"
#include "tests/cmd_standin/this_process.h"
#include "tests/cmd_standin/tree_removal.h"
#include "tests/cmd_standin/win32_error.h"

namespace {

enum ExitCode : int { kRemoved = 0, kRemovalFailed = 1, kOtherCommand = 2, kNoLog = 3 };

void Report(const std::wstring& text) { std::fwprintf(stderr, L"%ls\n", text.c_str()); }

void WaitAsAsked() {
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(L"CMD_STANDIN_DELAY_MS", value, 16);
  if (length == 0 || length >= 16) return;
  Sleep(static_cast<DWORD>(std::wcstoul(value, nullptr, 10)));
}

}  // namespace

int main() {
  const std::wstring commandLine = GetCommandLineW();
  try {
    standin::AppendLineToLogNamedBy(
        L"CMD_STANDIN_LOG",
        standin::ShowStateField() + L"\texe=" + standin::ThisProgramPath() + L"\tcwd=" + standin::CurrentFolder() +
            L"\t" + commandLine);
  } catch (const standin::Win32Error& error) {
    Report(error.Describe());
    return kNoLog;
  }
  WaitAsAsked();
  const auto folder = standin::RemovalTargetOf(commandLine);
  if (!folder) {
    Report(L"Only cmd /c rd /s /q \\\\.\\<path> is carried out here, not: " + commandLine);
    return kOtherCommand;
  }
  try {
    const std::vector<standin::Win32Error> failures = standin::RemoveTree(*folder);
    for (const standin::Win32Error& failure : failures) Report(failure.Describe());
    return failures.empty() ? kRemoved : kRemovalFailed;
  } catch (const std::exception&) {
    Report(L"The removal of " + *folder + L" stopped: out of memory or an internal error");
    return kRemovalFailed;
  }
}
