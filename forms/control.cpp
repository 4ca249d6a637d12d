#include "forms/control.h"

#include <cwctype>

#include "forms/drive_list.h"
#include "forms/geometry.h"
#include "forms/runtime_error.h"
#include "forms/window_class.h"

namespace forms {
namespace {

constexpr wchar_t kControlProperty[] = L"FormsControl";

DWORD WindowStyle(const ControlDescription& description) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | KindOf(description.type).style | (description.visible ? WS_VISIBLE : 0);
  if (description.type == ControlClass::Label) {
    style |= description.alignment == Alignment::Center  ? SS_CENTER
             : description.alignment == Alignment::Right ? SS_RIGHT
                                                         : SS_LEFT;
  }
  return style;
}

// Only calls that cannot raise: nothing may unwind into the system's frames.
LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (const Control* control = ControlFromHandle(window)) control->PaintPicture(dc);
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;  // WM_PAINT fills the whole box
  return DefWindowProcW(window, message, wparam, lparam);
}

HFONT CreateDescribedFont(const Font& font, int dpi) {
  LOGFONTW logFont{};
  logFont.lfHeight = FontHeight(font.points, dpi);
  logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfCharSet = ANSI_CHARSET;
  font.face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
  HFONT handle = CreateFontIndirectW(&logFont);
  if (!handle) RaiseLastError(L"CreateFontIndirect");
  return handle;
}

}  // namespace

// A frame's controls are its children, so it passes their notifications on to the window.
// Subclassed through user32 alone: the common controls may be missing. Only calls that
// cannot raise: nothing may unwind into the system's frames.
LRESULT CALLBACK Control::FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  const Control* control = ControlFromHandle(frame);
  if (!control) return DefWindowProcW(frame, message, wparam, lparam);
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
      return SendMessageW(GetAncestor(frame, GA_ROOT), message, wparam, lparam);
    case WM_ERASEBKGND: {
      // The window clips its children, so the frame paints its own ground.
      RECT client;
      GetClientRect(frame, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, control->PrepareColors(reinterpret_cast<HDC>(wparam)));
      return 1;
    }
    default:
      return CallWindowProcW(control->classProc_, frame, message, wparam, lparam);
  }
}

Control* ControlFromHandle(HWND handle) {
  return handle ? static_cast<Control*>(GetPropW(handle, kControlProperty)) : nullptr;
}

Control::Control(const ControlDescription& description, const ControlContext& context)
    : description_(description), containerBrush_(context.containerBrush) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (description.type == ControlClass::Image) RegisterWindowClass(kImageClass, ImageProc);

  const ControlKind kind = KindOf(description.type);
  const RECT box = PixelRect(description.box, context.dpi);
  // A drop-down list's window height is that of its open list; the closed box sizes to the font.
  const int height = description.type == ControlClass::DriveListBox ? (box.bottom - box.top) * 8
                                                                     : box.bottom - box.top;
  const std::wstring caption(description.caption);
  handle_ = CreateWindowExW(kind.exStyle, kind.windowClass, caption.c_str(), WindowStyle(description), box.left, box.top,
                            box.right - box.left, height, context.parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(context.id)), instance, nullptr);
  if (!handle_) RaiseLastError(L"CreateWindowEx");
  SetPropW(handle_, kControlProperty, this);
  // The earlier a control is listed, the higher it lies.
  SetWindowPos(handle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  if (description.font) font_.Reset(CreateDescribedFont(*description.font, context.dpi));
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_ ? font_.Get() : context.defaultFont), FALSE);
  if (description.backColor) backBrush_.Reset(CreateSolidBrush(*description.backColor));
  if (description.type == ControlClass::Frame) {
    classProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::FrameProc)));
    if (!classProc_) RaiseLastError(L"SetWindowLongPtr");
  }
  if (description.autoSize) FitToCaption();
  if (kind.showsDrives) FillDriveList(handle_);

  if (description.picture.kind == PictureKind::Icon) {
    const int size = GetSystemMetrics(SM_CXICON);
    icon_.Reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(description.picture.resourceId),
                                              IMAGE_ICON, size, size, 0)));
    if (!icon_) RaiseLastError(L"LoadImage");
  } else if (description.picture.kind == PictureKind::Bitmap) {
    bitmap_.Reset(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(description.picture.resourceId),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap_) RaiseLastError(L"LoadImage");
  }
  if (description.mousePointer == MousePointer::Custom) {
    mouseIcon_ = LoadCursorW(instance, MAKEINTRESOURCEW(description.mouseIconId));
    if (!mouseIcon_) RaiseLastError(L"LoadCursor");
  }
}

Control::~Control() {
  if (classProc_) SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc_));
  RemovePropW(handle_, kControlProperty);
}

bool Control::CanTakeFocus() const {
  return KindOf(Type()).takesFocus && IsWindowVisible(handle_) && IsWindowEnabled(handle_);
}

std::optional<Event> Control::EventFor(WORD notification) const {
  for (const Notification& raised : KindOf(Type()).raises) {
    if (raised.code == notification) return raised.event;
  }
  return std::nullopt;
}

bool Control::ReadAfresh() { return KindOf(Type()).showsDrives && RefreshDriveList(handle_); }

bool Control::ReadsAfreshOn(WORD notification) const {
  return KindOf(Type()).showsDrives && notification == CBN_DROPDOWN;
}

wchar_t Control::AccessKey() const {
  const std::wstring_view caption = description_.caption;
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;  // "&&" is a literal ampersand
      continue;
    }
    return static_cast<wchar_t>(std::towupper(caption[i + 1]));
  }
  return 0;
}

std::wstring Control::Caption() const {
  SetLastError(ERROR_SUCCESS);
  const int length = GetWindowTextLengthW(handle_);
  if (length == 0 && GetLastError() != ERROR_SUCCESS) RaiseLastError(L"GetWindowTextLength");
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
  return text;
}

void Control::SetCaption(std::wstring_view caption) {
  if (!SetWindowTextW(handle_, std::wstring(caption).c_str())) RaiseLastError(L"SetWindowText");
  if (description_.autoSize) FitToCaption();
}

std::wstring Control::Drive() const {
  if (Type() != ControlClass::DriveListBox) throw RuntimeError(kInvalidArgument);
  return SelectedDrive(handle_);
}

void Control::FitToCaption() {
  const std::wstring caption = Caption();
  RECT text{};
  {
    const WindowDC dc(handle_);
    const SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0)));
    DrawTextW(dc.Get(), caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
  }
  SetWindowPos(handle_, nullptr, 0, 0, text.right, text.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH Control::PrepareColors(HDC dc) const {
  SetTextColor(dc, description_.foreColor ? *description_.foreColor : GetSysColor(COLOR_WINDOWTEXT));
  const bool transparent = description_.backStyle == BackStyle::Transparent;
  HBRUSH brush = transparent ? containerBrush_ : backBrush_ ? backBrush_.Get() : GetSysColorBrush(COLOR_BTNFACE);
  LOGBRUSH fill{};
  GetObjectW(brush, sizeof(fill), &fill);
  SetBkColor(dc, fill.lbColor);
  return brush;
}

void Control::PaintPicture(HDC dc) const {
  RECT box;
  GetClientRect(handle_, &box);
  FillRect(dc, &box, containerBrush_);
  if (icon_) {
    const int size = GetSystemMetrics(SM_CXICON);
    const int width = description_.stretch ? box.right : size;
    const int height = description_.stretch ? box.bottom : size;
    DrawIconEx(dc, 0, 0, icon_.Get(), width, height, 0, nullptr, DI_NORMAL);
  } else if (bitmap_) {
    BITMAP info{};
    GetObjectW(bitmap_.Get(), sizeof(info), &info);
    const OwnedMemoryDC source(CreateCompatibleDC(dc));
    const SelectedObject picture(source.Get(), bitmap_.Get());
    const int width = description_.stretch ? box.right : info.bmWidth;
    const int height = description_.stretch ? box.bottom : info.bmHeight;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, width, height, source.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
}

}  // namespace forms
