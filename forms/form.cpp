#include "forms/form.h"

#include <commctrl.h>
#include <dbt.h>

#include <algorithm>

#include "forms/declare.h"
#include "forms/geometry.h"
#include "forms/internal.h"
#include "forms/runtime_error.h"
#include "forms/window_class.h"

namespace forms {
namespace {

constexpr wchar_t kFormClass[] = L"FormsWindow";

// The form whose Activate event ran last: Activate runs again only when another form
// of the program, or none, was active before.
Form* lastActivated = nullptr;
int loadedForms = 0;

DWORD FormStyle(const FormDescription& description) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  switch (description.borderStyle) {
    case BorderStyle::FixedSingle:
      break;  // a thin frame without WS_THICKFRAME: the user cannot resize the window
  }
  if (description.minButton) style |= WS_MINIMIZEBOX;
  if (description.maxButton) style |= WS_MAXIMIZEBOX;
  return style;
}

// Where the window's frame of that size starts.
POINT StartUpPlace(const FormDescription& description, int width, int height) {
  switch (description.startUpPosition) {
    case StartUpPosition::CenterScreen:
      break;
  }
  return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

HFONT CreateDefaultFont() {
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    RaiseLastError(L"SystemParametersInfo");
  }
  metrics.lfMessageFont.lfWeight = FW_NORMAL;
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

HICON LoadIconSized(HINSTANCE instance, int id, int metric) {
  const int size = GetSystemMetrics(metric);
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

bool AnyFormLoaded() { return loadedForms > 0; }

Form::Form(const FormDescription& description) : description_(description) {}

Form::~Form() {
  if (IsLoaded()) Destroy();
  if (lastActivated == this) lastActivated = nullptr;
}

void Form::Form_QueryUnload(std::int16_t&, std::int16_t&) {}

void Form::RaiseControlEvent(std::wstring_view, Event) {}

void Form::Load() {
  if (IsLoaded()) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(kFormClass, WindowProc);
  dpi_ = ScreenDpi();
  backBrush_.Reset(CreateSolidBrush(description_.backColor));
  defaultFont_.Reset(CreateDefaultFont());

  const DWORD style = FormStyle(description_);
  RECT frame{0, 0, PixelsFromTwips(description_.clientWidth, dpi_),
             PixelsFromTwips(description_.clientHeight, dpi_)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const POINT place = StartUpPlace(description_, width, height);
  const std::wstring caption(description_.caption);
  // The window that is active now owns the new one, so a modal window stays above it.
  HWND owner = ActiveFormWindow();
  if (!CreateWindowExW(0, kFormClass, caption.c_str(), style, place.x, place.y, width, height, owner, nullptr,
                       instance, this)) {
    RaiseLastError(L"CreateWindowEx");
  }
  ++loadedForms;
  try {
    if (description_.iconId) {
      bigIcon_.Reset(LoadIconSized(instance, description_.iconId, SM_CXICON));
      smallIcon_.Reset(LoadIconSized(instance, description_.iconId, SM_CXSMICON));
      SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
      SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
    }
    CreateControls();
    AddToolTips();
  } catch (...) {
    Destroy();
    throw;
  }
}

void Form::CreateControls() {
  const auto& list = description_.controls;
  for (size_t i = 0; i < list.size(); ++i) {
    const ControlDescription& control = list[i];
    ControlContext context{handle_, ControlIdAt(i), dpi_, defaultFont_.Get(), backBrush_.Get()};
    if (!control.container.empty()) {
      Control& frame = Controls(control.container);
      context.parent = frame.Handle();
    }
    controls_.push_back(std::make_unique<Control>(control, context));
  }
}

void Form::AddToolTips() {
  const bool any = std::any_of(controls_.begin(), controls_.end(),
                               [](const auto& c) { return !c->Description().toolTipText.empty(); });
  // The tooltip class is the common controls'; without them the window opens without
  // tooltips, and without a word.
  if (!any || !SystemLibrary(L"comctl32.dll")) return;
  toolTips_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle_, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
  if (!toolTips_) RaiseLastError(L"CreateWindowEx");
  for (const auto& control : controls_) {
    std::wstring text(control->Description().toolTipText);
    if (text.empty()) continue;
    TOOLINFOW tool{sizeof(tool)};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle_;
    tool.uId = reinterpret_cast<UINT_PTR>(control->Handle());
    tool.lpszText = text.data();
    if (!SendMessageW(toolTips_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
      throw RuntimeError(kInternalError, L"The tooltip of " + std::wstring(control->Name()) + L" was refused");
    }
  }
}

void Form::Show(ShowMode mode) {
  if (mode == ShowMode::Modal && IsLoaded() && IsWindowVisible(handle_)) throw RuntimeError(kAlreadyShown);
  Load();
  if (mode == ShowMode::Modeless) {
    ShowWindow(handle_, SW_SHOW);
    return;
  }
  disabledByModal_ = DisableFormWindows(handle_);
  ShowWindow(handle_, SW_SHOW);
  PumpMessagesWhile([this] { return IsLoaded(); });
}

bool Form::QueryUnloadCancels(UnloadMode mode) {
  std::int16_t cancel = 0;
  std::int16_t unloadMode = mode;
  RunEventHandler([&] { Form_QueryUnload(cancel, unloadMode); });
  return cancel != 0;
}

bool Form::QueryUnloadThenUnload(UnloadMode mode) {
  if (!IsLoaded()) return true;
  if (QueryUnloadCancels(mode) || !IsLoaded()) return !IsLoaded();
  Destroy();
  return true;
}

std::vector<HWND> DisableFormWindows(HWND except) {
  std::vector<HWND> disabled;
  for (HWND window : ThreadWindows()) {
    const Form* form = FormOfWindow(window);
    if (window != except && form && form->Handle() == window && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled.push_back(window);
    }
  }
  return disabled;
}

void Form::Destroy() {
  // The windows that a modal window disabled take input again before it goes, so that
  // the system activates one of them and not some other program.
  for (HWND window : disabledByModal_) EnableWindow(window, TRUE);
  disabledByModal_.clear();
  toolTips_.Reset();
  DestroyWindow(handle_);
}

Control& Form::Controls(std::wstring_view name, int index) {
  if (!IsLoaded()) throw RuntimeError(kObjectUnloaded);
  for (const auto& control : controls_) {
    if (control->Name() == name && control->Index() == index) return *control;
  }
  throw RuntimeError(kObjectNotSet, L"No control " + std::wstring(name) + L" on " + std::wstring(description_.name));
}

std::vector<Control*> Form::FocusOrder() const {
  std::vector<Control*> order;
  for (const auto& control : controls_) {
    if (control->CanTakeFocus()) order.push_back(control.get());
  }
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->Description().tabIndex < b->Description().tabIndex;
  });
  return order;
}

void Form::FocusFirst() {
  const std::vector<Control*> order = FocusOrder();
  SetFocus(order.empty() ? handle_ : order.front()->Handle());
}

void Form::MoveFocus(bool backwards) {
  const std::vector<Control*> order = FocusOrder();
  if (order.empty()) return;
  const Control* current = ControlFromHandle(GetFocus());
  auto at = std::find(order.begin(), order.end(), current);
  size_t next = 0;
  if (at != order.end()) {
    const size_t position = static_cast<size_t>(at - order.begin());
    next = backwards ? (position + order.size() - 1) % order.size() : (position + 1) % order.size();
  }
  SetFocus(order[next]->Handle());
}

bool Form::PressAccessKey(wchar_t key) {
  for (const auto& control : controls_) {
    if (control->IsPressable() && control->AccessKey() == key && control->CanTakeFocus()) {
      SetFocus(control->Handle());
      SendMessageW(control->Handle(), BM_CLICK, 0, 0);
      return true;
    }
  }
  return false;
}

bool Form::PressFocusedButton() {
  const Control* focused = ControlFromHandle(GetFocus());
  if (!focused || !focused->IsPressable() || FormOfWindow(focused->Handle()) != this) return false;
  SendMessageW(focused->Handle(), BM_CLICK, 0, 0);
  return true;
}

HWND ActiveFormWindow() {
  HWND active = GetActiveWindow();
  if (FormOfWindow(active)) return active;
  for (HWND window : ThreadWindows()) {
    if (FormOfWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window)) return window;
  }
  return nullptr;
}

Form* FormOfWindow(HWND window) {
  if (!window) return nullptr;
  HWND root = GetAncestor(window, GA_ROOT);
  wchar_t className[32] = {};
  GetClassNameW(root, className, 32);
  if (std::wstring_view(className) != kFormClass) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  return AtSystemBoundary<LRESULT>(0, [&] { return ProcessMessage(window, message, wparam, lparam); });
}

LRESULT Form::ProcessMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->controls_.clear();
    form->handle_ = nullptr;
    form->lastFocus_ = nullptr;
    if (lastActivated == form) lastActivated = nullptr;
    --loadedForms;
    // A sent message (WM_ENDSESSION, another program's WM_CLOSE) may have unloaded the
    // window while the loop waits in GetMessage: wake it, so that it sees the change.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return form->HandleMessage(message, wparam, lparam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam) OnCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (const Control* control = ControlFromHandle(reinterpret_cast<HWND>(lparam))) {
        return reinterpret_cast<LRESULT>(control->PrepareColors(reinterpret_cast<HDC>(wparam)));
      }
      break;
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(backBrush_.Get());
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(handle_, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, backBrush_.Get());
      return 1;
    }
    case WM_SETCURSOR:
      if (IsBusy()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      if (const Control* control = ControlFromHandle(reinterpret_cast<HWND>(wparam));
          control && control->HasCustomPointer() && LOWORD(lparam) == HTCLIENT) {
        SetCursor(control->MouseIcon());
        return TRUE;
      }
      break;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_CLOSE:
      QueryUnloadThenUnload(kFormControlMenu);
      return 0;
    case WM_QUERYENDSESSION:
      return !QueryUnloadCancels(kAppWindows);
    case WM_ENDSESSION:
      if (wparam) Destroy();
      return 0;
    case WM_DEVICECHANGE:
      if (wparam == DBT_DEVICEARRIVAL || wparam == DBT_DEVICEREMOVECOMPLETE) OnDeviceChange();
      return TRUE;
  }
  return DefWindowProcW(handle_, message, wparam, lparam);
}

void Form::OnActivate(bool active) {
  if (!active) {
    if (FormOfWindow(GetFocus()) == this) lastFocus_ = GetFocus();
    return;
  }
  if (lastFocus_ && IsWindow(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    FocusFirst();
  }
  if (lastActivated == this) return;
  lastActivated = this;
  RunEventHandler([this] { Form_Activate(); });
}

void Form::OnCommand(HWND window, WORD notification) {
  const Control* control = ControlFromHandle(window);
  if (!control) return;
  // A handler may unload the window and its controls: keep only what the control said.
  const std::wstring_view name = control->Name();
  const std::optional<Event> event = control->EventFor(notification);
  if (control->ReadsAfreshOn(notification)) ReadControlsAfresh();
  if (event) RunEventHandler([&] { RaiseControlEvent(name, *event); });
}

// A drive that goes while a handler waits on a box, a modal window or a started program
// must not move the selection under it: the handler goes on with the drive it was given.
void Form::OnDeviceChange() {
  outdated_ = true;
  WhenNoHandlerRuns(&Form::ReadOutdatedFormsAfresh);
}

void Form::ReadOutdatedFormsAfresh() noexcept {
  RunEventHandler([] {
    for (HWND window : ThreadWindows()) {
      Form* form = FormOfWindow(window);
      if (form && form->handle_ == window && form->outdated_) form->ReadControlsAfresh();
    }
  });
}

void Form::ReadControlsAfresh() {
  outdated_ = false;
  std::vector<std::wstring_view> moved;
  RunEventHandler([&] {
    for (const auto& control : controls_) {
      if (control->ReadAfresh()) moved.push_back(control->Name());
    }
  });
  // Raised after the loop: a handler may unload the window and its controls.
  for (std::wstring_view name : moved) RunEventHandler([&] { RaiseControlEvent(name, Event::Change); });
}

}  // namespace forms
