#include "bench/twin_controls.h"

#include <commctrl.h>
#include <winnetwk.h>

#include <cwctype>
#include <string>

#include "main_window/frm_auto_description.h"
#include "resources/resource_ids.h"

namespace twin {
namespace {

enum ControlId : int {
  kAbout = 1, kExit, kDelete, kFrame, kDrives, kLink279868, kLink120716, kMoreInformation,
  kDriveLetter, kExplanation, kPicture, kTitle,
};

constexpr wchar_t kExplanationText[] =
    L"Windows Operating System does not allow to delete Autorun.inf folder because in it there are the names "
    L"of the folders that lead users are not permitted to remove manually, namely: con, aux, and nul.xxxxxxx.";

template <class Handle>
Handle Checked(Handle handle, const char* what) {
  if (!handle) throw BuildError(what);
  return handle;
}

RECT Box(int leftTwips, int topTwips, int widthTwips, int heightTwips, int dpi) {
  const int left = MulDiv(leftTwips, dpi, 1440);
  const int top = MulDiv(topTwips, dpi, 1440);
  return {left, top, left + MulDiv(widthTwips, dpi, 1440), top + MulDiv(heightTwips, dpi, 1440)};
}

// "MS Sans Serif", bold, at `hundredthsOfPoint` / 100 points.
HFONT BoldFont(int hundredthsOfPoint, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(hundredthsOfPoint, dpi, 7200);
  font.lfWeight = FW_BOLD;
  font.lfCharSet = ANSI_CHARSET;
  lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
  return Checked(CreateFontIndirectW(&font), "CreateFontIndirect");
}

HFONT WindowFont() {
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    throw BuildError("SystemParametersInfo");
  }
  metrics.lfMessageFont.lfWeight = FW_NORMAL;
  return Checked(CreateFontIndirectW(&metrics.lfMessageFont), "CreateFontIndirect");
}

// "c: [label]" for a ready volume with a label, "x: [\\server\share]" for a network drive.
std::wstring DriveEntry(wchar_t letter) {
  std::wstring entry{letter, L':'};
  const std::wstring root = entry + L"\\";
  wchar_t name[MAX_PATH + 1] = {};
  if (GetDriveTypeW(root.c_str()) == DRIVE_REMOTE) {
    DWORD length = MAX_PATH;
    if (WNetGetConnectionW(entry.c_str(), name, &length) == NO_ERROR) entry += L" [" + std::wstring(name) + L"]";
    return entry;
  }
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  const BOOL ready = GetVolumeInformationW(root.c_str(), name, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
  SetErrorMode(previousMode);
  if (ready && name[0]) entry += L" [" + std::wstring(name) + L"]";
  return entry;
}

void FillDrives(HWND combo) {
  wchar_t directory[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, directory);
  const wchar_t current = static_cast<wchar_t>(std::towlower(directory[0]));
  const DWORD drives = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if (!(drives & (1u << bit))) continue;
    const wchar_t letter = static_cast<wchar_t>(L'a' + bit);
    const LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DriveEntry(letter).c_str()));
    if (letter == current) SendMessageW(combo, CB_SETCURSEL, at, 0);
  }
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message != WM_PAINT) return DefWindowProcW(window, message, wparam, lparam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT box;
  GetClientRect(window, &box);
  const auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA));
  BITMAP info{};
  GetObjectW(bitmap, sizeof(info), &info);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, box.right, box.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

void RegisterPictureClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = PictureProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kPictureClass;
  if (!RegisterClassExW(&windowClass)) throw BuildError("RegisterClassEx");
}

TwinControls::TwinControls(HWND window, HINSTANCE instance, int dpi)
    : window_(window), instance_(instance), dpi_(dpi) {
  defaultFont_ = WindowFont();
  bold8_ = BoldFont(825, dpi);
  bold9_ = BoldFont(975, dpi);
  bold13_ = BoldFont(1350, dpi);
  bold18_ = BoldFont(1800, dpi);
  picture_ = Checked(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_FOLDER_PICTURE), IMAGE_BITMAP,
                                                     0, 0, LR_CREATEDIBSECTION)), "LoadImage");
  hand_ = Checked(LoadCursorW(instance, MAKEINTRESOURCEW(IDC_HAND_CURSOR)), "LoadCursor");
  toolTips_ = Checked(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                      instance, nullptr), "CreateWindowEx tooltips");

  constexpr DWORD kButton = WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP;
  constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_NOTIFY;
  AddToolTip(Make(L"Button", L"&About", kButton, kAbout, Box(4080, 3360, 975, 375, dpi), bold8_),
             L"About Kelvorn Drast");
  AddToolTip(Make(L"Button", L"&Exit", kButton, kExit, Box(5280, 3360, 975, 375, dpi), bold8_),
             L"Exit Application");
  AddToolTip(Make(L"Button", L"&Delete Autorun.inf", kButton, kDelete, Box(3000, 1080, 3255, 975, dpi), bold13_),
             L"Delete Autorun.inf");
  Make(L"Button", L"Select Drive", WS_VISIBLE | BS_GROUPBOX, kFrame, Box(120, 960, 2775, 1095, dpi), defaultFont_);
  // The picker lies on the frame, not in it: a sibling needs no frame that passes its messages on.
  RECT drives = Box(120 + 120, 960 + 480, 2535, 315, dpi);
  drives.bottom += 7 * (drives.bottom - drives.top);  // the open list's height
  drivePicker_ = Make(L"ComboBox", L"", WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kDrives, drives, defaultFont_);
  SetWindowPos(drivePicker_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  FillDrives(drivePicker_);
  Make(L"Static", kArticle279868.data(), kLabel, kLink279868, Box(120, 3480, 3465, 195, dpi), bold8_);
  Make(L"Static", kArticle120716.data(), kLabel, kLink120716, Box(120, 3200, 3465, 195, dpi), bold8_);
  Make(L"Static", L"For more information, go here:", kLabel, kMoreInformation, Box(120, 2895, 3480, 240, dpi),
       bold9_);
  // Never seen: it only holds the chosen drive.
  Make(L"Static", L"Label1", SS_LEFT | SS_NOTIFY, kDriveLetter, Box(120, 1800, 2655, 255, dpi), defaultFont_);
  Make(L"Static", kExplanationText, WS_VISIBLE | SS_CENTER | SS_NOTIFY, kExplanation, Box(360, 2160, 5655, 675, dpi),
       defaultFont_);
  HWND picture = Make(kPictureClass, L"", WS_VISIBLE, kPicture, Box(360, 120, 675, 705, dpi), nullptr);
  SetWindowLongPtrW(picture, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture_));
  Make(L"Static", L"Erasers Folders Autorun.inf", kLabel, kTitle, Box(1320, 240, 4785, 435, dpi), bold18_);
}

TwinControls::~TwinControls() {
  for (HFONT font : {defaultFont_, bold8_, bold9_, bold13_, bold18_}) DeleteObject(font);
  DeleteObject(picture_);
}

HWND TwinControls::Make(const wchar_t* className, const wchar_t* text, DWORD style, int id, const RECT& box,
                        HFONT font) {
  HWND control = Checked(CreateWindowExW(0, className, text, WS_CHILD | WS_CLIPSIBLINGS | style,
                                         box.left, box.top, box.right - box.left, box.bottom - box.top, window_,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr),
                         "CreateWindowEx control");
  if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void TwinControls::AddToolTip(HWND control, const wchar_t* text) {
  TOOLINFOW tool{sizeof(tool)};
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  if (!SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) throw BuildError("TTM_ADDTOOL");
}

ControlLook TwinControls::LookOf(HWND control) const {
  switch (GetDlgCtrlID(control)) {
    case kAbout:
    case kExit:
    case kDelete:
      return {Ink::Default, true};
    case kLink279868:
    case kLink120716:
      return {Ink::Blue, true};
    case kMoreInformation:
    case kTitle:
      return {Ink::Red, false};
    default:
      return {};
  }
}

}  // namespace twin
