// One control of a loaded window: its description and the child window built from it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "forms/control_kind.h"
#include "forms/description.h"
#include "forms/owned.h"

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

  // Only buttons and drive pickers take the keyboard focus, while visible and enabled.
  bool CanTakeFocus() const;
  bool IsPressable() const { return KindOf(Type()).pressable; }
  // The letter after the caption's ampersand, upper case, or 0.
  wchar_t AccessKey() const;

  // The event that this notification from the control's window raises, if any.
  std::optional<Event> EventFor(WORD notification) const;
  // Reads afresh what the control shows of the system (a drive picker's drives), keeping
  // its selection where it can. True when the selection moved, which raises Change.
  bool ReadAfresh();
  // True when this notification asks the control to read afresh (a drive picker dropped down).
  bool ReadsAfreshOn(WORD notification) const;

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
