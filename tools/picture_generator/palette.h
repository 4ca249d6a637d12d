// Colour reduction for the 256-colour icon images.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/picture_generator/image.h"

namespace pictures {

struct IndexedImage {
  std::vector<Rgba> palette;          // exactly 256 entries; entry 0 is black, the colour under the mask
  std::vector<std::uint8_t> indices;  // one per pixel, top row first; 0 where the pixel is see-through
};

// Pixels with alpha below one half become see-through; the others keep their colour, reduced to a
// palette by median cut.
IndexedImage ReduceTo256Colours(const Image& image);

bool IsOpaqueEnough(const Rgba& pixel);

}  // namespace pictures
