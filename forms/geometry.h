// Twips to pixels, in one place.
#pragma once

#include <windows.h>

#include "forms/description.h"

namespace forms {

inline constexpr int kTwipsPerInch = 1440;

int PixelsFromTwips(int twips, int dpi);
RECT PixelRect(const TwipsBox& box, int dpi);
// The height to give a font of that size, as LOGFONT's lfHeight (negative: character height).
int FontHeight(double points, int dpi);
// The screen's logical DPI.
int ScreenDpi();

}  // namespace forms
