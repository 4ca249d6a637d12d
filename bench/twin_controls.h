// The main window's twelve controls, made by hand with plain Win32 calls: the same classes,
// places, texts, fonts, colours and pictures as the program's main window, with no runtime layer.
#pragma once

#include <windows.h>

#include <stdexcept>

namespace twin {

// A failed Win32 call while the window is built.
class BuildError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr wchar_t kPictureClass[] = L"TwinPicture";

enum class Ink { Default, Red, Blue };

// What the window procedure needs to know about a control.
struct ControlLook {
  Ink ink = Ink::Default;
  bool handPointer = false;
};

// Fonts, pictures and the controls of the window `window`, made in the order of the description.
class TwinControls {
 public:
  TwinControls(HWND window, HINSTANCE instance, int dpi);
  TwinControls(const TwinControls&) = delete;
  TwinControls& operator=(const TwinControls&) = delete;
  ~TwinControls();

  ControlLook LookOf(HWND control) const;
  HCURSOR Hand() const { return hand_; }
  HBITMAP Picture() const { return picture_; }
  HWND DrivePicker() const { return drivePicker_; }

 private:
  HWND Make(const wchar_t* className, const wchar_t* text, DWORD style, int id, const RECT& box, HFONT font);
  void AddToolTip(HWND control, const wchar_t* text);

  HWND window_;
  HINSTANCE instance_;
  int dpi_;
  HFONT defaultFont_ = nullptr;
  HFONT bold8_ = nullptr;
  HFONT bold9_ = nullptr;
  HFONT bold13_ = nullptr;
  HFONT bold18_ = nullptr;
  HBITMAP picture_ = nullptr;
  HCURSOR hand_ = nullptr;
  HWND toolTips_ = nullptr;
  HWND drivePicker_ = nullptr;
};

// Registers the class of the window that draws the picture stretched over its box.
void RegisterPictureClass(HINSTANCE instance);

}  // namespace twin
