#include "bench/driver/removal_timing.h"

#include <windows.h>

#include <chrono>
#include <string>

#include "bench/driver/autorun_tree.h"
#include "bench/driver/poll_closely.h"
#include "bench/driver/ready_window.h"
#include "bench/driver/stopwatch.h"
#include "ui_driver/error.h"
#include "ui_driver/handle.h"
#include "ui_driver/input.h"
#include "ui_driver/message_box.h"
#include "ui_driver/program.h"
#include "ui_driver/text.h"
#include "ui_driver/window_query.h"

namespace bench {
namespace {

constexpr int kMainWindowControls = 12;
constexpr std::chrono::milliseconds kQuestionBound{10'000};
// 100,000 entries take about a minute under Wine.
constexpr std::chrono::milliseconds kRemovalBound{600'000};

std::wstring CommandInterpreter() {
  wchar_t directory[MAX_PATH];
  const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) ui::throwLastError("GetSystemDirectory");
  return std::wstring(directory, length) + L"\\cmd.exe";
}

void ExpectRemoved(const std::wstring& drive, const char* how) {
  if (AutorunTreeExists(drive)) throw ui::DriverError(std::string(how) + " left autorun.inf behind");
}

}  // namespace

double TimeRemovalThroughProgram(const std::wstring& exe, const std::wstring& drive) {
  const ui::Program program(ui::ProgramStart{exe, {}, drive + L"\\", {}});
  HWND window = WaitUntilReady(program, kMainWindowControls);
  HWND deleteButton = ui::findControl(window, L"Button", L"&Delete Autorun.inf");
  if (!deleteButton) throw ui::DriverError("the main window has no Delete button");
  ui::clickButton(deleteButton);
  HWND confirmation = PollClosely("the box Confirmation", [&] {
    return ui::findTopLevel(program.processId(), L"#32770", L"Confirmation");
  }, kQuestionBound);

  const Stopwatch clock;
  ui::MessageBoxWindow(confirmation).press(IDOK);
  const HWND result = PollClosely("the box Information", [&] {
    HWND information = ui::findTopLevel(program.processId(), L"#32770", L"Information");
    return information ? information : ui::findTopLevel(program.processId(), L"#32770", L"Attention !");
  }, kRemovalBound);
  const double elapsedMs = clock.ElapsedMs();
  if (ui::caption(result) != L"Information") {
    throw ui::DriverError("the program reports: " + ui::toUtf8(ui::MessageBoxWindow(result).text()));
  }
  ExpectRemoved(drive, "the program");
  return elapsedMs;
}

double TimeRemovalDirectly(const std::wstring& drive) {
  const std::wstring interpreter = CommandInterpreter();
  std::wstring commandLine = L"cmd /c rd /s /q \\\\.\\" + drive + L"\\autorun.inf";
  // As the program starts it: minimised, and, like any child of a program without a
  // console, with a console of its own.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION started{};

  const Stopwatch clock;
  if (!CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                      nullptr, &startup, &started)) {
    ui::throwLastError("CreateProcess of " + ui::toUtf8(interpreter));
  }
  const ui::Handle process(started.hProcess);
  const ui::Handle thread(started.hThread);
  if (WaitForSingleObject(process.get(), static_cast<DWORD>(kRemovalBound.count())) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), ERROR_TIMEOUT);
    throw ui::WaitTimeout(ui::toUtf8(commandLine), kRemovalBound);
  }
  const double elapsedMs = clock.ElapsedMs();
  ExpectRemoved(drive, "the stand-in cmd");
  return elapsedMs;
}

}  // namespace bench
