// The session's display (tests/harness/wine_session.sh): an Xvfb screen, at the logical DPI
// that Wine gives a display it knows nothing more of.
#pragma once

#include "forms/geometry.h"

namespace ui {

inline constexpr int displayDpi = 96;

// A length in twips as the program lays it out on this display.
constexpr int displayPixels(int twips)
{
    return forms::PixelsFromTwips(twips, displayDpi);
}

} // namespace ui
