// FolderPicture: a yellow folder, a lined page and a red warning disc, on white.
#pragma once

#include "tools/picture_generator/bytes.h"
#include "tools/picture_generator/image.h"

namespace pictures {

Image DrawFolderPicture();

// The .bmp file: 37 by 39 pixels at 24 bits per pixel, uncompressed.
Bytes FolderPictureFile();

}  // namespace pictures
