#include "forms/internal.h"

#include "forms/error_handling.h"

namespace forms {
namespace {

bool AltIsDown(const MSG& message) { return (message.lParam & (1 << 29)) != 0; }
bool ShiftIsDown() { return GetKeyState(VK_SHIFT) < 0; }

wchar_t LetterOrDigit(WPARAM key) {
  const bool letter = key >= 'A' && key <= 'Z';
  const bool digit = key >= '0' && key <= '9';
  return letter || digit ? static_cast<wchar_t>(key) : 0;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) noexcept {
  return AtSystemBoundary<BOOL>(FALSE, [&] {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
  });
}

}  // namespace

// The loop handles the dialog keys itself rather than through IsDialogMessage: the Tab
// order follows the controls' TabIndex, which differs from the stacking order that
// IsDialogMessage walks, and Wine's combo box swallows Alt+F4 before a dialog sees it.
bool TranslateDialogKey(const MSG& message) {
  Form* form = FormOfWindow(message.hwnd);
  if (!form || !IsWindowEnabled(form->Handle())) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
    FormInternals::MoveFocus(*form, ShiftIsDown());
    return true;
  }
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) return FormInternals::PressFocusedButton(*form);
  if (message.message == WM_SYSKEYDOWN && AltIsDown(message) && message.wParam == VK_F4) {
    // Wine's combo box swallows every system key while it has the focus, Alt+F4 included.
    PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  if (message.message == WM_SYSKEYDOWN && AltIsDown(message)) {
    const wchar_t key = LetterOrDigit(message.wParam);
    return key && FormInternals::PressAccessKey(*form, key);
  }
  return false;
}

void PumpMessagesWhile(const std::function<bool()>& keepGoing) {
  MSG message;
  while (keepGoing()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (got < 0) return;
    if (TranslateDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace forms
