#include "bench/driver/removal_timing.h"

#include <windows.h>

#include <chrono>
#include <string>

#include "bench/driver/autorun_tree.h"
#include "bench/driver/poll_closely.h"
#include "bench/driver/process_access.h"
#include "bench/driver/process_job.h"
#include "bench/driver/ready_window.h"
#include "bench/driver/stopwatch.h"
#include "main_window/system_interpreter.h"
#include "tests/ui_driver/error.h"
#include "forms/owned.h"
#include "tests/ui_driver/input.h"
#include "tests/ui_driver/message_box.h"
#include "tests/ui_driver/program.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/window_query.h"

namespace bench {
namespace {

constexpr int kMainWindowControls = 12;
constexpr std::chrono::milliseconds kStepBound{10'000};
// 100,000 entries took 16 to 92 s here, with the session on one CPU or spread over all.
constexpr std::chrono::milliseconds kRemovalBound{600'000};
constexpr POINT kPointerRest{0, 0};

std::wstring ImageOf(HANDLE process) {
  wchar_t path[MAX_PATH];
  DWORD length = MAX_PATH;
  if (!QueryFullProcessImageNameW(process, 0, path, &length)) ui::throwLastError("QueryFullProcessImageName");
  return std::wstring(path, length);
}

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

void ExpectRemoved(const std::wstring& drive, const char* how) {
  if (AutorunTreeExists(drive)) throw ui::DriverError(std::string(how) + " left autorun.inf behind");
}

}  // namespace

RemovalThroughProgram TimeRemovalThroughProgram(const std::wstring& exe, const std::wstring& drive,
                                                const std::function<void()>& makeTree) {
  // Away from the program's windows: under Wine a themed button under the pointer tracks its
  // leaving on a system timer that polls the pointer, some 900 round trips to the wineserver
  // a second while the program waits, which would be timed as the program's work.
  ui::movePointerTo(kPointerRest);
  const ProcessJob job;
  const ui::Program program(ui::ProgramStart{exe, {}, drive + L"\\", {}});
  job.Adopt(OpenForJob(program.processId()).Get());
  HWND window = WaitUntilReady(program, kMainWindowControls);
  HWND deleteButton = ui::findControl(window, L"Button", L"&Delete Autorun.inf");
  if (!deleteButton) throw ui::DriverError("the main window has no Delete button");
  makeTree();
  ui::clickButton(deleteButton);
  HWND confirmation = PollClosely("the box Confirmation", [&] {
    return ui::findTopLevel(program.processId(), L"#32770", L"Confirmation");
  }, kStepBound);

  const Stopwatch clock;
  ui::MessageBoxWindow(confirmation).press(IDOK);
  const DWORD interpreterId = job.WaitForStart(program.processId(), kStepBound);
  // Opened now, while the program still holds it, for a look at its image once it has ended
  // (Wine knows a process's image only once it runs).
  const forms::OwnedHandle interpreter = OpenForQueries(interpreterId);
  job.WaitForEnd(interpreterId, kRemovalBound);
  const double interpreterEndMs = clock.ElapsedMs();
  // The box comes right after the interpreter's end; nothing else runs then.
  const HWND result = PollClosely("the box Information", [&] {
    HWND information = ui::findTopLevel(program.processId(), L"#32770", L"Information");
    return information ? information : ui::findTopLevel(program.processId(), L"#32770", L"Attention !");
  }, kStepBound);
  const double resultBoxMs = clock.ElapsedMs();

  const std::wstring image = ImageOf(interpreter.Get());
  if (!SameIgnoringCase(image, SystemCommandInterpreter())) {
    throw ui::DriverError("the program started " + ui::toUtf8(image) + ", not the system's cmd.exe");
  }
  if (ui::caption(result) != L"Information") {
    throw ui::DriverError("the program reports: " + ui::toUtf8(ui::MessageBoxWindow(result).text()));
  }
  ExpectRemoved(drive, "the program");
  return {interpreterEndMs, resultBoxMs};
}

double TimeRemovalDirectly(const std::wstring& drive) {
  const std::wstring interpreter = SystemCommandInterpreter();
  std::wstring commandLine = L"cmd /c rd /s /q \\\\.\\" + drive + L"\\autorun.inf";
  const std::wstring root = drive + L"\\";
  // As the program starts it: minimised, in the program's current folder, and with no creation
  // flags but the one that lets it join the job before it runs. Neither parent has a console
  // (the driver's output goes to files), and under Wine the child of such a parent gets none
  // either: CREATE_NEW_CONSOLE would add a conhost.exe.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION created{};
  const ProcessJob job;

  const Stopwatch clock;
  if (!CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      root.c_str(), &startup, &created)) {
    ui::throwLastError("CreateProcess of " + ui::toUtf8(interpreter));
  }
  const forms::OwnedHandle process(created.hProcess);
  const forms::OwnedHandle thread(created.hThread);
  job.Adopt(process.Get());
  if (ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) ui::throwLastError("ResumeThread");
  job.WaitForEnd(created.dwProcessId, kRemovalBound);
  const double elapsedMs = clock.ElapsedMs();
  ExpectRemoved(drive, "the stand-in cmd");
  return elapsedMs;
}

}  // namespace bench
