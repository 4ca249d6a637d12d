// The faces that the windows draw with exist in the session: a face that is missing is
// silently replaced by another, and then every picture of a text compares the
// substitute with itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "about_window/form1_description.h"
#include "main_window/frm_auto_description.h"
#include "tests/ui_driver/display.h"
#include "tests/ui_driver/fonts.h"
#include "tests/ui_driver/text.h"

namespace {

struct FaceUse {
  std::string where;
  LOGFONTW font;
};

// Every font that a window description sets, at its size and weight.
void AddDescribedFonts(const forms::FormDescription& description, std::vector<FaceUse>& uses) {
  for (const forms::ControlDescription& control : description.controls) {
    if (!control.font) continue;
    std::string where = ui::toUtf8(description.name) + "." + ui::toUtf8(control.name);
    if (control.index != forms::kNotAnArray) where += "(" + std::to_string(control.index) + ")";
    uses.push_back({where, ui::describedFont(control.font->face, control.font->points, control.font->bold, ui::displayDpi)});
  }
}

// The face of the caption buttons' glyphs.
LOGFONTW CaptionButtonsFont() {
  LOGFONTW font{};
  font.lfHeight = -11;
  font.lfCharSet = SYMBOL_CHARSET;
  wcscpy_s(font.lfFaceName, L"Marlett");
  return font;
}

TEST(FontFacesTest, EveryFaceTheWindowsUseIsItselfNotASubstitute) {
  std::vector<FaceUse> uses;
  AddDescribedFonts(frmAutoDescription, uses);
  AddDescribedFonts(Form1Description, uses);
  ASSERT_FALSE(uses.empty()) << "the descriptions set no font";
  uses.push_back({"the window default font", ui::defaultWindowFont()});
  uses.push_back({"the caption buttons", CaptionButtonsFont()});
  for (const FaceUse& use : uses) {
    SCOPED_TRACE(use.where);
    EXPECT_EQ(ui::toUtf8(ui::resolvedFace(use.font)), ui::toUtf8(use.font.lfFaceName));
  }
}

}  // namespace
