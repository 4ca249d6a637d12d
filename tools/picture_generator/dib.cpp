#include "tools/picture_generator/dib.h"

namespace pictures {

std::size_t RowBytes(int width, int bitsPerPixel) {
  const std::size_t bits = static_cast<std::size_t>(width) * bitsPerPixel;
  return (bits + 31) / 32 * 4;
}

void AppendInfoHeader(Bytes& out, int width, int storedHeight, int bitsPerPixel, std::size_t pixelBytes,
                      int coloursUsed) {
  AppendU32(out, kInfoHeaderBytes);
  AppendU32(out, width);
  AppendU32(out, storedHeight);
  AppendU16(out, 1);  // planes
  AppendU16(out, bitsPerPixel);
  AppendU32(out, 0);  // BI_RGB
  AppendU32(out, static_cast<std::uint32_t>(pixelBytes));
  AppendU32(out, 0);  // horizontal resolution: none given
  AppendU32(out, 0);  // vertical resolution: none given
  AppendU32(out, coloursUsed);
  AppendU32(out, 0);  // every colour is important
}

Bytes TransparencyMask(int width, int height, const std::function<bool(int x, int y)>& isTransparent) {
  const std::size_t rowBytes = RowBytes(width, 1);
  Bytes mask(rowBytes * height, 0);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = mask.data() + (height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      if (isTransparent(x, y)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
  }
  return mask;
}

}  // namespace pictures
