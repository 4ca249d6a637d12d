// Window descriptions: the data from which the runtime builds a window and its controls.
// Sizes are in twips; a property left at its initialiser keeps the platform's default.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "forms/types.h"

namespace forms {

enum class ControlClass { Label, CommandButton, Frame, Image, DriveListBox };

struct TwipsBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Character set 0, no italic, underline or strikethrough in every font used here.
struct Font {
  std::wstring_view face;
  double points = 8.25;
  bool bold = false;
};

enum class Alignment { Left = 0, Right = 1, Center = 2 };
enum class BackStyle { Transparent = 0, Opaque = 1 };
enum class MousePointer { Default = 0, Custom = 99 };
enum class PictureKind { None, Icon, Bitmap };

// A picture from the program's own resources.
struct Picture {
  PictureKind kind = PictureKind::None;
  int resourceId = 0;
};

inline constexpr int kNoTabIndex = -1;
inline constexpr int kNotAnArray = -1;

struct ControlDescription {
  ControlClass type = ControlClass::Label;
  std::wstring_view name;
  int index = kNotAnArray;       // element number within a control array
  std::wstring_view container;   // a Frame's name, or empty for the window itself
  std::wstring_view caption;
  TwipsBox box;
  int tabIndex = kNoTabIndex;
  std::optional<Font> font;      // none: the window's default font
  std::optional<Color> foreColor;
  std::optional<Color> backColor;
  BackStyle backStyle = BackStyle::Opaque;
  Alignment alignment = Alignment::Left;
  bool autoSize = false;
  bool visible = true;
  bool stretch = false;
  Picture picture;
  MousePointer mousePointer = MousePointer::Default;
  int mouseIconId = 0;           // cursor resource shown with MousePointer::Custom
  std::wstring_view toolTipText;
};

enum class BorderStyle { FixedSingle = 1 };
enum class StartUpPosition { CenterScreen = 2 };

struct FormDescription {
  std::wstring_view name;
  std::wstring_view caption;
  Color backColor = 0x00FFFFFF;
  BorderStyle borderStyle = BorderStyle::FixedSingle;
  int iconId = 0;
  bool maxButton = true;
  bool minButton = true;
  int clientWidth = 0;   // twips
  int clientHeight = 0;  // twips
  StartUpPosition startUpPosition = StartUpPosition::CenterScreen;
  // Listed from the top of the stacking order down; a frame's controls follow it.
  std::span<const ControlDescription> controls;
};

// A control's window id: its position in its window's description, from 1.
constexpr int ControlIdAt(size_t position) { return static_cast<int>(position) + 1; }

// The window id of the described control of that name and index, or 0 when there is none.
constexpr int ControlId(const FormDescription& description, std::wstring_view name, int index = kNotAnArray) {
  for (size_t i = 0; i < description.controls.size(); ++i) {
    if (description.controls[i].name == name && description.controls[i].index == index) return ControlIdAt(i);
  }
  return 0;
}

}  // namespace forms
