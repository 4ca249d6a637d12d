#include "forms/geometry.h"

#include <cmath>

namespace forms {

int PixelsFromTwips(int twips, int dpi) { return MulDiv(twips, dpi, kTwipsPerInch); }

RECT PixelRect(const TwipsBox& box, int dpi) {
  const int left = PixelsFromTwips(box.left, dpi);
  const int top = PixelsFromTwips(box.top, dpi);
  return {left, top, left + PixelsFromTwips(box.width, dpi), top + PixelsFromTwips(box.height, dpi)};
}

int FontHeight(double points, int dpi) {
  return -static_cast<int>(std::lround(points * dpi / 72.0));
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace forms
