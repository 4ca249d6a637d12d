// Pictures from the resources of the program under test, read from its file as data.
#pragma once

#include <windows.h>

namespace ui {

// LoadImageW of resource `id` of that type (IMAGE_ICON, IMAGE_CURSOR, IMAGE_BITMAP) at
// `size` (0 by 0: as LoadImageW's `flags` decide); the caller destroys it.
HANDLE loadProgramImage(int id, UINT type, SIZE size, UINT flags);

} // namespace ui
