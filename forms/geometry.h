// Twips to pixels and points to font heights, in one place for the runtime and its tests.
#pragma once

#include <windows.h>

#include <cmath>

#include "forms/description.h"

namespace forms {

inline constexpr int kTwipsPerInch = 1440;

// Rounded as MulDiv(twips, dpi, 1440) rounds: to the nearest pixel, halves away from zero.
constexpr int PixelsFromTwips(int twips, int dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kTwipsPerInch);
}

constexpr RECT PixelRect(const TwipsBox& box, int dpi) {
  const int left = PixelsFromTwips(box.left, dpi);
  const int top = PixelsFromTwips(box.top, dpi);
  return {left, top, left + PixelsFromTwips(box.width, dpi), top + PixelsFromTwips(box.height, dpi)};
}

// The height to give a font of that size, as LOGFONT's lfHeight (negative: character height).
inline int FontHeight(double points, int dpi) { return -static_cast<int>(std::lround(points * dpi / 72.0)); }

// The screen's logical DPI.
int ScreenDpi();

}  // namespace forms
