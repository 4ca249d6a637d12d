// The pieces of an uncompressed device-independent bitmap: info header, rows, transparency mask.
#pragma once

#include <cstddef>
#include <functional>

#include "tools/picture_generator/bytes.h"

namespace pictures {

inline constexpr std::size_t kInfoHeaderBytes = 40;

// Bytes of one stored row: rows are padded to a multiple of four bytes.
std::size_t RowBytes(int width, int bitsPerPixel);

// BITMAPINFOHEADER, uncompressed. An icon or cursor image stores twice its height: colour rows plus mask
// rows.
void AppendInfoHeader(Bytes& out, int width, int storedHeight, int bitsPerPixel, std::size_t pixelBytes,
                      int coloursUsed);

// One bit per pixel, set where the picture is see-through; bottom row first.
Bytes TransparencyMask(int width, int height, const std::function<bool(int x, int y)>& isTransparent);

}  // namespace pictures
