// The shape of a cursor: what a test compares, since under Wine cursor handles of
// another program cannot be read (see x_cursor_image.py).
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

namespace ui {

struct CursorImage {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    // Rows separated by '\n': '#' where the cursor covers the screen, '.' where it does not.
    std::string shape;

    friend bool operator==(const CursorImage&, const CursorImage&) = default;
};

std::ostream& operator<<(std::ostream& out, const CursorImage& image);

// The pointer image that the display shows now, read from the X server. Use after
// cursorAt(point), which waits until the program under the point has set its cursor.
CursorImage cursorImageOnDisplay();
// A cursor of this process, for example one loaded from the program's resources.
CursorImage cursorImageOf(HCURSOR cursor);

} // namespace ui
