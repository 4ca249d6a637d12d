#include "tools/picture_generator/program_icon.h"

#include <algorithm>

#include "tools/picture_generator/scene.h"

namespace pictures {
namespace {

// The drawing is laid out on a square from 0 to 1.
constexpr double kTileInset = 0.03;
constexpr double kTileRadius = 0.19;

constexpr double kBinTop = 0.30;
constexpr double kBinBottom = 0.86;
constexpr double kBinTopHalfWidth = 0.28;
constexpr double kBinBottomHalfWidth = 0.20;
constexpr double kBinBottomCurve = 0.045;
constexpr double kRimHalfWidth = 0.305;
constexpr double kRimHalfHeight = 0.085;

// Brightness across a lit metal cylinder, t from 0 (left edge) to 1 (right edge): the light comes
// from the upper left.
double CylinderBrightness(double t) {
  const double fromHighlight = (t - 0.32) / 0.42;
  const double highlight = std::max(0.0, 1 - fromHighlight * fromHighlight);
  return std::clamp(0.30 + 0.70 * highlight * highlight + 0.10 * (1 - t), 0.0, 1.0);
}

Colour Metal(double brightness) {
  return Mix(FromRgb(0x44, 0x4a, 0x52), FromRgb(0xf2, 0xf4, 0xf7), brightness);
}

double BinHalfWidthAt(double y) {
  const double along = std::clamp((y - kBinTop) / (kBinBottom - kBinTop), 0.0, 1.0);
  return kBinTopHalfWidth + (kBinBottomHalfWidth - kBinTopHalfWidth) * along;
}

double AcrossBin(Point p) {
  const double halfWidth = BinHalfWidthAt(p.y);
  return (p.x - (0.5 - halfWidth)) / (2 * halfWidth);
}

int RibCount(int size) {
  if (size >= 128) return 7;
  if (size >= 48) return 5;
  if (size >= 32) return 3;
  return 2;
}

std::vector<Layer> IconLayers(int size) {
  const double pixel = 1.0 / size;
  const double border = std::max(0.014, pixel);
  const double outline = std::max(0.018, pixel);

  const Shape tile = RoundedRectangle(kTileInset, kTileInset, 1 - kTileInset, 1 - kTileInset, kTileRadius);
  const Shape tileFace = Grown(tile, -border);
  const Shape body = Union(ConvexPolygon({{0.5 - kBinTopHalfWidth, kBinTop},
                                          {0.5 + kBinTopHalfWidth, kBinTop},
                                          {0.5 + kBinBottomHalfWidth, kBinBottom},
                                          {0.5 - kBinBottomHalfWidth, kBinBottom}}),
                           Ellipse({0.5, kBinBottom}, kBinBottomHalfWidth, kBinBottomCurve));
  const Shape rim = Ellipse({0.5, kBinTop}, kRimHalfWidth, kRimHalfHeight);
  const Shape opening = Ellipse({0.5, kBinTop + 0.006}, kRimHalfWidth - 0.04, kRimHalfHeight - 0.024);
  const Shape shadow = Ellipse({0.54, kBinBottom + 0.02}, 0.29, 0.06);

  std::vector<Layer> layers{
      {tile, Solid(FromRgb(0x12, 0x3c, 0x8c))},
      {tileFace, VerticalGradient(0.05, FromRgb(0x6e, 0xb6, 0xfa), 0.95, FromRgb(0x1c, 0x58, 0xc0))},
      {Intersection(tileFace, Ellipse({0.5, 0.08}, 0.62, 0.44)), Solid(FromRgb(0xff, 0xff, 0xff, 0.16))},
      {shadow,
       [shadow](Point p) {
         return FromRgb(0x06, 0x1a, 0x40, 0.45 * std::clamp(-shadow(p) / 0.05, 0.0, 1.0));
       }},
      {Grown(Union(body, rim), outline), Solid(FromRgb(0x26, 0x2a, 0x30))},
      {body, [](Point p) { return Metal(CylinderBrightness(AcrossBin(p))); }},
  };

  // Vertical ribs pressed into the sheet metal, running with the taper.
  const int ribs = RibCount(size);
  const double ribWidth = std::max(0.014, 0.8 * pixel);
  const double top = kBinTop + 0.07;
  const double bottom = kBinBottom - 0.05;
  for (int rib = 1; rib <= ribs; ++rib) {
    const double t = static_cast<double>(rib) / (ribs + 1);
    const Point from{0.5 - BinHalfWidthAt(top) + t * 2 * BinHalfWidthAt(top), top};
    const Point to{0.5 - BinHalfWidthAt(bottom) + t * 2 * BinHalfWidthAt(bottom), bottom};
    const double shade = CylinderBrightness(t) * 0.55;
    layers.push_back({Stroke(from, to, ribWidth), Solid(Metal(shade))});
  }

  layers.push_back({rim, [](Point p) {
                      const double t = (p.x - (0.5 - kRimHalfWidth)) / (2 * kRimHalfWidth);
                      return Metal(std::min(1.0, 0.25 + CylinderBrightness(t)));
                    }});
  layers.push_back({opening, VerticalGradient(kBinTop - kRimHalfHeight, FromRgb(0x6a, 0x70, 0x78),
                                              kBinTop + kRimHalfHeight, FromRgb(0x22, 0x25, 0x2a))});
  return layers;
}

}  // namespace

Image DrawProgramIcon(int size) { return Render(size, size, 1.0 / size, IconLayers(size)); }

std::vector<DirectoryEntry> ProgramIconImages() {
  std::vector<DirectoryEntry> images;
  for (int size : {32, 16}) images.push_back(IconImage8(DrawProgramIcon(size)));
  for (int size : {256, 128, 48, 32, 16}) images.push_back(IconImage32(DrawProgramIcon(size)));
  return images;
}

}  // namespace pictures
