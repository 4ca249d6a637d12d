// The floor of any Win32 program here: one empty top-level window and its message loop.
#include <windows.h>

#include <stdexcept>

namespace {

constexpr wchar_t kClassName[] = L"BenchBareWindow";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void ShowBareWindow(HINSTANCE instance) {
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExW(&windowClass)) throw std::runtime_error("RegisterClassEx failed");
  HWND window = CreateWindowExW(0, kClassName, L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                440, 300, nullptr, nullptr, instance, nullptr);
  if (!window) throw std::runtime_error("CreateWindowEx failed");
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  try {
    ShowBareWindow(instance);
  } catch (const std::exception&) {
    // No window, so the bench driver sees the start fail by its exit code.
    return 1;
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
