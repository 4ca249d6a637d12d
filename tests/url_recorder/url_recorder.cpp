// A stand-in web browser for tests: registered as the handler of http addresses, it records
// how it was started with its one argument and ends, showing nothing.
//
// Log: when URL_RECORDER_LOG holds a Windows path, each start appends one line, UTF-8, ended
// by LF (see log_line.h). Three fields, split by TAB:
//   show=<n>      STARTUPINFO.wShowWindow when STARTF_USESHOWWINDOW is set, else show=none
//   dir=<path>    the current folder it was started in
//   <argument>    the argument exactly as received (last: only it may hold a TAB)
// e.g.  show=1<TAB>dir=Q:\<TAB>http://support.example.com/kb/120716
// Exit codes: 0 recorded; 1 URL_RECORDER_LOG is not set; 2 not exactly one argument, nothing
// recorded; 3 the log could not be written.
#include <windows.h>

#include <shellapi.h>

#include "tests/cmd_standin/log_line.h"
#include "tests/cmd_standin/this_process.h"
#include "tests/cmd_standin/win32_error.h"

namespace {

enum ExitCode : int { kRecorded = 0, kNoLog = 1, kNotOneArgument = 2, kLogFailed = 3 };

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return kNotOneArgument;
  const std::wstring url = count == 2 ? arguments[1] : L"";
  LocalFree(arguments);
  if (count != 2) return kNotOneArgument;
  try {
    const std::wstring line = standin::ShowStateField() + L"\tdir=" + standin::CurrentFolder() + L"\t" + url;
    return standin::AppendLineToLogNamedBy(L"URL_RECORDER_LOG", line) ? kRecorded : kNoLog;
  } catch (const standin::Win32Error&) {
    // A program without a window has nowhere to say more; the missing line tells the test.
    return kLogFailed;
  }
}
