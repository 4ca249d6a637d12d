#include "tools/picture_generator/folder_picture.h"

#include <cmath>

#include "tools/picture_generator/dib.h"
#include "tools/picture_generator/scene.h"

namespace pictures {
namespace {

constexpr int kWidth = 37;
constexpr int kHeight = 39;
constexpr std::size_t kFileHeaderBytes = 14;

// In pixels; a pixel (x, y) covers x to x + 1 and y to y + 1.
Shape Moved(Shape shape, double dx, double dy) {
  return [=](Point p) { return shape({p.x - dx, p.y - dy}); };
}

std::vector<Layer> FolderLayers() {
  const Shape folder = Union(RoundedRectangle(2, 7, 28, 29, 1.5), RoundedRectangle(2, 3, 13, 9, 1.5));
  const Shape page = ConvexPolygon({{12, 10}, {27, 10}, {33, 16}, {33, 35}, {12, 35}});
  const Shape fold = ConvexPolygon({{27, 10}, {27, 16}, {33, 16}});
  const Shape disc = Ellipse({9.5, 29.5}, 7, 7);
  const Shape everything = Union(Grown(folder, 1), Union(Grown(page, 1), Grown(disc, 1)));

  std::vector<Layer> layers{
      {RoundedRectangle(0, 0, kWidth, kHeight, 0), Solid(FromRgb(0xff, 0xff, 0xff))},
      // Every other pixel, like a screen stipple.
      {Moved(everything, 2, 2),
       [](Point p) {
         const bool dot = (static_cast<int>(std::floor(p.x)) + static_cast<int>(std::floor(p.y))) % 2 == 0;
         return FromRgb(0x80, 0x80, 0x80, dot ? 1 : 0);
       }},
      {Grown(folder, 1), Solid(FromRgb(0x8c, 0x64, 0x00))},
      {folder, VerticalGradient(3, FromRgb(0xff, 0xec, 0x80), 29, FromRgb(0xe8, 0xb0, 0x10))},
      // The front of the folder starts below the tab.
      {RoundedRectangle(3, 10, 27, 11, 0), Solid(FromRgb(0xfc, 0xf4, 0xb8))},
      {Grown(page, 1), Solid(FromRgb(0x50, 0x50, 0x58))},
      {page, Solid(FromRgb(0xff, 0xff, 0xff))},
      {Grown(fold, 0.5), Solid(FromRgb(0x50, 0x50, 0x58))},
      {fold, Solid(FromRgb(0xd4, 0xd4, 0xdc))},
  };
  // Text lines; the first stops short of the folded corner.
  layers.push_back({RoundedRectangle(15, 14, 25, 15, 0), Solid(FromRgb(0x20, 0x40, 0xe0))});
  for (double y = 18; y <= 31; y += 3) {
    layers.push_back({RoundedRectangle(15, y, 30, y + 1, 0), Solid(FromRgb(0x20, 0x40, 0xe0))});
  }
  layers.push_back({Grown(disc, 1), Solid(FromRgb(0x78, 0x00, 0x00))});
  layers.push_back({disc, VerticalGradient(22, FromRgb(0xff, 0x50, 0x40), 37, FromRgb(0xc0, 0x00, 0x00))});
  layers.push_back({RoundedRectangle(8.5, 24.5, 10.5, 31, 0.8), Solid(FromRgb(0xff, 0xff, 0xff))});
  layers.push_back({Ellipse({9.5, 33.4}, 1.2, 1.2), Solid(FromRgb(0xff, 0xff, 0xff))});
  return layers;
}

}  // namespace

Image DrawFolderPicture() { return Render(kWidth, kHeight, 1, FolderLayers()); }

Bytes FolderPictureFile() {
  const Image picture = DrawFolderPicture();
  const std::size_t rowBytes = RowBytes(kWidth, 24);
  const std::size_t pixelBytes = rowBytes * kHeight;

  Bytes file;
  AppendU8(file, 'B');
  AppendU8(file, 'M');
  AppendU32(file, static_cast<std::uint32_t>(kFileHeaderBytes + kInfoHeaderBytes + pixelBytes));
  AppendU32(file, 0);  // reserved
  AppendU32(file, static_cast<std::uint32_t>(kFileHeaderBytes + kInfoHeaderBytes));
  AppendInfoHeader(file, kWidth, kHeight, 24, pixelBytes, 0);
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgba& pixel = picture.At(x, y);
      AppendU8(file, pixel.blue);
      AppendU8(file, pixel.green);
      AppendU8(file, pixel.red);
    }
    file.resize(file.size() + rowBytes - 3 * kWidth, 0);
  }
  return file;
}

}  // namespace pictures
