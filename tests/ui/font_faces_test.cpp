// The faces that the windows draw with exist in the session: a face that is missing is
// silently replaced by another, and then every picture of a text compares the
// substitute with itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "about_window/form1_description.h"
#include "main_window/frm_auto_description.h"
#include "ui_driver/error.h"
#include "ui_driver/text.h"

namespace {

struct FaceUse {
  std::string where;
  LOGFONTW font;
};

LOGFONTW FontOfFace(std::wstring_view face, BYTE charSet) {
  LOGFONTW font{};
  font.lfHeight = -11;
  font.lfCharSet = charSet;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return font;
}

// Every font face that a window description sets, once each, as the runtime asks for it.
void AddDescribedFaces(const forms::FormDescription& description, std::vector<FaceUse>& uses) {
  for (const forms::ControlDescription& control : description.controls) {
    if (!control.font) continue;
    const LOGFONTW font = FontOfFace(control.font->face, ANSI_CHARSET);
    const bool known = std::any_of(uses.begin(), uses.end(),
                                   [&](const FaceUse& use) { return wcscmp(use.font.lfFaceName, font.lfFaceName) == 0; });
    if (!known) uses.push_back({ui::toUtf8(description.name) + "." + ui::toUtf8(control.name), font});
  }
}

LOGFONTW WindowDefaultFont() {
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    ui::throwLastError("SystemParametersInfoW");
  }
  return metrics.lfMessageFont;
}

// The face that the system picks for that font.
std::wstring ResolvedFace(const LOGFONTW& font) {
  HFONT handle = CreateFontIndirectW(&font);
  if (!handle) ui::throwLastError("CreateFontIndirectW");
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, handle);
  wchar_t face[LF_FACESIZE] = {};
  const int length = GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(handle);
  if (length == 0) ui::throwLastError("GetTextFaceW");
  return face;
}

TEST(FontFacesTest, EveryFaceTheWindowsUseIsItselfNotASubstitute) {
  std::vector<FaceUse> uses;
  AddDescribedFaces(frmAutoDescription, uses);
  AddDescribedFaces(Form1Description, uses);
  ASSERT_FALSE(uses.empty()) << "the descriptions set no font";
  uses.push_back({"the window default font", WindowDefaultFont()});
  // The caption buttons are glyphs of this face.
  uses.push_back({"the caption buttons", FontOfFace(L"Marlett", SYMBOL_CHARSET)});
  for (const FaceUse& use : uses) {
    SCOPED_TRACE(use.where);
    EXPECT_EQ(ui::toUtf8(ResolvedFace(use.font)), ui::toUtf8(use.font.lfFaceName));
  }
}

}  // namespace
