#include "forms/window_class.h"

#include "forms/runtime_error.h"

namespace forms {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  if (GetClassInfoExW(instance, name, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass)) RaiseLastError(L"RegisterClassEx");
}

}  // namespace forms
