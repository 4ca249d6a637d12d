// The icon and cursor file formats: a directory of images, each an uncompressed bitmap with a mask.
#pragma once

#include <vector>

#include "tools/picture_generator/bytes.h"
#include "tools/picture_generator/image.h"

namespace pictures {

enum class DirectoryKind { kIcon = 1, kCursor = 2 };

struct DirectoryEntry {
  int width = 0;
  int height = 0;
  int colourCount = 0;  // 0 from 256 colours up
  // An icon stores planes and bits per pixel here; a cursor its hotspot.
  int planesOrHotspotX = 0;
  int bitsPerPixelOrHotspotY = 0;
  Bytes dib;
};

// An .ico or .cur file: header, directory, then the images in directory order.
Bytes DirectoryFile(DirectoryKind kind, const std::vector<DirectoryEntry>& entries);

// The icon group resource: the same directory, naming image resources firstImageId, firstImageId + 1, ...
Bytes IconGroupResource(const std::vector<DirectoryEntry>& entries, int firstImageId);

// Icon images with their mask taken from the alpha channel.
DirectoryEntry IconImage8(const Image& image);
DirectoryEntry IconImage32(const Image& image);

}  // namespace pictures
