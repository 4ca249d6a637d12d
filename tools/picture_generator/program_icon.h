// ProgramIcon: a grey metal waste bin seen from slightly above, on a blue tile with rounded corners.
#pragma once

#include <vector>

#include "tools/picture_generator/icon_file.h"
#include "tools/picture_generator/image.h"

namespace pictures {

Image DrawProgramIcon(int size);

// The seven images in their order: 32 and 16 at 256 colours, then 256, 128, 48, 32 and 16 with alpha.
std::vector<DirectoryEntry> ProgramIconImages();

}  // namespace pictures
