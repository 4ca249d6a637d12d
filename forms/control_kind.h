// What each kind of control is: the window it is built on, whether it takes the focus or
// is pressed, which notifications of its window raise which event, and whether it shows
// something of the system that it reads afresh. The form asks these; it never switches on
// a control's class.
#pragma once

#include <windows.h>

#include <span>

#include "forms/description.h"

namespace forms {

enum class Event { Click, Change };

struct Notification {
  WORD code;  // the notification in WM_COMMAND, e.g. BN_CLICKED
  Event event;
};

struct ControlKind {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
  bool takesFocus;
  bool pressable;  // by its access key, and by Enter while it has the focus
  std::span<const Notification> raises;
  // Its list is the system's drives: read afresh on a device change and when dropped down.
  bool showsDrives;
};

inline constexpr wchar_t kImageClass[] = L"FormsImage";

inline constexpr Notification kButtonNotifications[] = {{BN_CLICKED, Event::Click}};
inline constexpr Notification kLabelNotifications[] = {{STN_CLICKED, Event::Click}};
inline constexpr Notification kDriveListNotifications[] = {{CBN_SELCHANGE, Event::Change}};

constexpr ControlKind KindOf(ControlClass type) {
  switch (type) {
    case ControlClass::Label:
      // SS_NOTIFY: a label takes clicks like any control.
      return {L"Static", SS_NOTIFY, 0, false, false, kLabelNotifications, false};
    case ControlClass::CommandButton:
      return {L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0, true, true, kButtonNotifications, false};
    case ControlClass::Frame:
      // The frame is its controls' parent; the dialog keys reach inside it.
      return {L"Button", BS_GROUPBOX, WS_EX_CONTROLPARENT, false, false, {}, false};
    case ControlClass::Image:
      return {kImageClass, 0, 0, false, false, {}, false};
    case ControlClass::DriveListBox:
      return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, true, false, kDriveListNotifications, true};
  }
  return {L"Static", 0, 0, false, false, {}, false};
}

// True when a control of that class raises the event.
constexpr bool Raises(ControlClass type, Event event) {
  for (const Notification& notification : KindOf(type).raises) {
    if (notification.event == event) return true;
  }
  return false;
}

}  // namespace forms
