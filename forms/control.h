// One control of a loaded window: its description and the child window built from it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "forms/description.h"
#include "forms/gdi_handles.h"

namespace forms {

// What a control needs from its window while it is built.
struct ControlContext {
  HWND parent = nullptr;         // the window, or the frame that contains the control
  int id = 0;                    // control id: its position in the description, from 1
  int dpi = 96;
  HFONT defaultFont = nullptr;   // the window's font, for controls that set none
  HBRUSH containerBrush = nullptr;
};

class Control {
 public:
  Control(const ControlDescription& description, const ControlContext& context);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  ~Control();

  const ControlDescription& Description() const { return description_; }
  ControlClass Type() const { return description_.type; }
  std::wstring_view Name() const { return description_.name; }
  int Index() const { return description_.index; }
  HWND Handle() const { return handle_; }

  // Only buttons and drive pickers take the keyboard focus.
  bool CanTakeFocus() const;
  // The letter after the caption's ampersand, upper case, or 0.
  wchar_t AccessKey() const;

  std::wstring Caption() const;
  void SetCaption(std::wstring_view caption);
  // A drive picker's selected drive: its letter, colon and what the picker shows after them.
  std::wstring Drive() const;

  // The colours of a label's or frame's text and background (WM_CTLCOLORSTATIC).
  HBRUSH PrepareColors(HDC dc) const;
  bool HasCustomPointer() const { return description_.mousePointer == MousePointer::Custom; }
  HCURSOR MouseIcon() const { return mouseIcon_; }
  void PaintPicture(HDC dc) const;

 private:
  static LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
  void FitToCaption();

  const ControlDescription& description_;
  HWND handle_ = nullptr;
  HBRUSH containerBrush_;
  OwnedFont font_;
  OwnedBrush backBrush_;
  OwnedIcon icon_;
  OwnedBitmap bitmap_;
  HCURSOR mouseIcon_ = nullptr;
  WNDPROC classProc_ = nullptr;  // a frame's own window procedure, under its subclass
};

// The control whose child window this is, or null.
Control* ControlFromHandle(HWND handle);

}  // namespace forms
