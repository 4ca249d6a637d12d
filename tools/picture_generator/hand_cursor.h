// HandCursor: a white pointing hand with a black outline, the index finger up, hotspot at (0, 0).
#pragma once

#include "tools/picture_generator/bytes.h"

namespace pictures {

// The .cur file: one 32 by 32 image at 1 bit per pixel with its mask.
Bytes HandCursorFile();

}  // namespace pictures
