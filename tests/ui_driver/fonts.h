// The fonts that the program's windows draw with, made here to draw and measure texts
// the same way.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

// A font as a window description gives it: a face, a size in points at `dpi`, bold or
// not, character set 0.
LOGFONTW describedFont(std::wstring_view face, double points, bool bold, int dpi);
// The window default font: the system's message font, not bold.
LOGFONTW defaultWindowFont();
// The box that DrawTextW with DT_CALCRECT and `format` gives the text in that font.
SIZE textExtent(std::wstring_view text, const LOGFONTW& font, UINT format);
// The face that the system picks for that font: another one when its own is missing.
std::wstring resolvedFace(const LOGFONTW& font);

} // namespace ui
