// The floor for the main window: a twin of it written straight on Win32. Same class of frame,
// caption, icons, twelve controls, fonts, pictures, cursor, tooltips and manifest (the program's
// own resources), and the common controls initialised first; no forms runtime, no events.
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <memory>

#include "bench/twin_controls.h"
#include "resources/resource_ids.h"

namespace {

constexpr wchar_t kClassName[] = L"TwinMainWindow";
// Children not clipped: the window's white then shows inside the frame, which paints no ground.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HBRUSH white = nullptr;

twin::TwinControls* ControlsOf(HWND window) {
  return reinterpret_cast<twin::TwinControls*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

COLORREF InkColor(twin::Ink ink) {
  switch (ink) {
    case twin::Ink::Red: return RGB(255, 0, 0);
    case twin::Ink::Blue: return RGB(0, 0, 255);
    case twin::Ink::Default: break;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const twin::TwinControls* controls = ControlsOf(window);
  switch (message) {
    case WM_CTLCOLORSTATIC:
      if (controls) {
        const auto dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, InkColor(controls->LookOf(reinterpret_cast<HWND>(lparam)).ink));
        SetBkColor(dc, RGB(255, 255, 255));
      }
      return reinterpret_cast<LRESULT>(white);
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(white);
    case WM_SETCURSOR:
      if (controls && LOWORD(lparam) == HTCLIENT && controls->LookOf(reinterpret_cast<HWND>(wparam)).handPointer) {
        SetCursor(controls->Hand());
        return TRUE;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HICON ProgramIcon(HINSTANCE instance, int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  auto icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM_ICON), IMAGE_ICON, size, size, 0));
  if (!icon) throw twin::BuildError("LoadImage icon");
  return icon;
}

HWND MakeMainWindow(HINSTANCE instance, int dpi) {
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = white;
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExW(&windowClass)) throw twin::BuildError("RegisterClassEx");
  RECT frame{0, 0, MulDiv(6375, dpi, 1440), MulDiv(3840, dpi, 1440)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HWND window = CreateWindowExW(0, kClassName, L"Kelvorn Drast 2.1", kStyle,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                instance, nullptr);
  if (!window) throw twin::BuildError("CreateWindowEx");
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(instance, SM_CXICON)));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(instance, SM_CXSMICON)));
  return window;
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_USEREX_CLASSES};
  InitCommonControlsEx(&commonControls);
  std::unique_ptr<twin::TwinControls> controls;
  HWND window = nullptr;
  try {
    white = CreateSolidBrush(RGB(255, 255, 255));
    const int dpi = ScreenDpi();
    twin::RegisterPictureClass(instance);
    window = MakeMainWindow(instance, dpi);
    controls = std::make_unique<twin::TwinControls>(window, instance, dpi);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(controls.get()));
  } catch (const std::exception&) {
    // No window, so the bench driver sees the start fail by its exit code.
    return 1;
  }
  ShowWindow(window, SW_SHOW);
  SetFocus(controls->DrivePicker());
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
