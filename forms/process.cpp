#include "forms/process.h"

#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/internal.h"
#include "forms/runtime_error.h"

namespace forms {
namespace {

bool busy = false;

WORD ShowCommand(WindowStyle style) {
  switch (style) {
    case kHide: return SW_HIDE;
    case kNormalFocus: return SW_SHOWNORMAL;
    case kMinimizedFocus: return SW_SHOWMINIMIZED;
    case kMaximizedFocus: return SW_SHOWMAXIMIZED;
    case kNormalNoFocus: return SW_SHOWNOACTIVATE;
    case kMinimizedNoFocus: return SW_SHOWMINNOACTIVE;
  }
  throw RuntimeError(kInvalidArgument);
}

// Keys and clicks meant for the program's windows while they take no input.
bool IsInput(const MSG& message) {
  const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
  const bool mouse = message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST;
  return (key || mouse) && FormOfWindow(message.hwnd);
}

}  // namespace

bool IsBusy() { return busy; }

StartedProgram StartProgram(std::wstring_view application, std::wstring_view commandLine, WindowStyle style,
                            std::wstring_view currentDirectory) {
  STARTUPINFOW startup{sizeof(startup)};
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = ShowCommand(style);
  const std::wstring applicationPath(application);
  const std::wstring directory(currentDirectory);
  std::wstring line(commandLine);  // CreateProcessW may write into its command line
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(applicationPath.empty() ? nullptr : applicationPath.c_str(), line.data(), nullptr, nullptr,
                      FALSE, 0, nullptr, directory.empty() ? nullptr : directory.c_str(), &startup, &started)) {
    throw RuntimeError(kFileNotFound);
  }
  CloseHandle(started.hThread);
  return {OwnedHandle(started.hProcess), started.dwProcessId};
}

long Shell(std::wstring_view commandLine, WindowStyle style) {
  return static_cast<long>(StartProgram({}, commandLine, style).id);
}

void WaitModally(HANDLE process) {
  const std::vector<HWND> disabled = DisableFormWindows(nullptr);
  busy = true;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  bool quit = false;
  int quitCode = 0;
  DWORD woke;
  while ((woke = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT)) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quitCode = static_cast<int>(message.wParam);
      } else if (!IsInput(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  const DWORD waitError = GetLastError();
  busy = false;
  for (HWND window : disabled) EnableWindow(window, TRUE);
  POINT cursor;
  GetCursorPos(&cursor);
  SetCursorPos(cursor.x, cursor.y);  // shows the cursor of whatever lies under it again
  if (quit) PostQuitMessage(quitCode);
  if (woke != WAIT_OBJECT_0) {
    SetLastError(waitError);
    RaiseLastError(L"MsgWaitForMultipleObjects");
  }
}

}  // namespace forms
