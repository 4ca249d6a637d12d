// What the driver's own test program shows and does, known to it and to the tests that
// drive it.
#pragma once

#include <array>
#include <cstdint>

namespace driver_target {

// driver_target.exe messagebox <flags>: a MessageBoxW, exit code = the pressed button.
inline constexpr wchar_t messageBoxTitle[] = L"Driver target";
inline constexpr wchar_t messageBoxText[] = L"First line\r\n\r\nThird line after an empty one";

// driver_target.exe window: one window with a label and two buttons.
inline constexpr wchar_t windowCaption[] = L"Driver target window";
inline constexpr wchar_t windowClass[] = L"DriverTargetWindow";
inline constexpr int labelId = 100;
inline constexpr wchar_t labelText[] = L"A label";
// Shows cursorCovers() as its cursor; has the focus at the start. The window's
// GWLP_USERDATA holds that cursor's handle, which GetCursorInfo gives while it shows.
inline constexpr int pointerButtonId = 101;
inline constexpr wchar_t pointerButtonText[] = L"&Pointer";
// Ends the program with exitDone.
inline constexpr int doneButtonId = 102;
inline constexpr wchar_t doneButtonText[] = L"&Done";

// WM_QUERYENDSESSION asks this in a Yes/No box and answers TRUE for Yes.
inline constexpr wchar_t sessionEndTitle[] = L"Session end";
inline constexpr wchar_t sessionEndText[] = L"End the session?";

// driver_target.exe window busy: the same window, but its thread answers every WM_NULL
// sent to it from elsewhere at once and then works for busyMilliseconds before it takes
// its next message, as a thread that a sent message finds in the middle of a task.
inline constexpr int busyMilliseconds = 300;

inline constexpr int exitClosed = 10;
inline constexpr int exitSessionEnded = 20;
inline constexpr int exitDone = 30;
inline constexpr int exitFailed = 99;

// The pointer button's cursor: 32 by 32, monochrome, a black right triangle whose
// corner is at the hotspot.
inline constexpr int cursorSize = 32;
inline constexpr int cursorHotspotX = 3;
inline constexpr int cursorHotspotY = 5;
constexpr bool cursorCovers(int x, int y)
{
    return y >= cursorHotspotY && y < 29 && x >= cursorHotspotX && x - cursorHotspotX <= (y - cursorHotspotY) / 2;
}

// The cursor's AND plane for CreateCursor: 1 where the screen shows through. Its XOR
// plane is all 0, so every covering pixel is black.
using CursorPlane = std::array<std::uint8_t, cursorSize / 8 * cursorSize>;
inline CursorPlane cursorAndPlane()
{
    CursorPlane plane{};
    for (int y = 0; y < cursorSize; ++y) {
        for (int x = 0; x < cursorSize; ++x) {
            if (!cursorCovers(x, y))
                plane[static_cast<size_t>(y * cursorSize / 8 + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return plane;
}

} // namespace driver_target
