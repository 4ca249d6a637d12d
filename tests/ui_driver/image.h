// Pixels of the screen as the display shows them, and PNG files of them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct Image {
    int width = 0;
    int height = 0;
    // 0x00RRGGBB, top row first.
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// Whatever covers the rectangle on the screen, other windows included, once the window
// under its middle has painted what was pending and the picture has stopped changing
// (about 80 ms at least).
Image captureScreen(const RECT& screenRect);
// The window's screen rectangle, caption and frame included, once the window's thread
// has painted what was pending.
Image captureWindow(HWND window);
// `icon` drawn at `size` on a ground of `background` (0x00RRGGBB), as a static control draws it.
Image drawIcon(HICON icon, SIZE size, std::uint32_t background);

// `bitmap` stretched to `drawnSize` at the top-left corner of a box of `size` on a ground of
// `background`, as GDI stretches with COLORONCOLOR.
Image drawBitmap(HBITMAP bitmap, SIZE size, SIZE drawnSize, std::uint32_t background);

// A system colour (COLOR_WINDOWTEXT and the like) as 0x00RRGGBB.
std::uint32_t systemColour(int index);

// How a control draws its text: the font, the colours (0x00RRGGBB) and DrawTextW's format.
struct TextLook {
    LOGFONTW font;
    std::uint32_t colour;
    std::uint32_t ground;
    UINT format;
};
// How a Static control lays out its caption, left-aligned or centred, as DrawTextW's format.
inline constexpr UINT labelFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
inline constexpr UINT centredLabelFormat = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
// `text` drawn with DrawTextW in a box of `size`, as a control draws its caption.
Image drawText(std::wstring_view text, SIZE size, const TextLook& look);
// 1 where `image` shows exactly `colour`, else 0, cut to the smallest box that holds every
// 1: the shape of a text in that colour, wherever it stands and whatever lies around it.
// Empty (0 by 0) when no pixel has that colour.
Image inkOf(const Image& image, std::uint32_t colour);

// How many pixels of `image` show exactly `colour`.
int countOf(const Image& image, std::uint32_t colour);
// How many pixels differ between two images of the same size.
int differentPixels(const Image& a, const Image& b);

// The format of a 32-bit top-down bitmap of that size, as GDI takes it.
BITMAPINFO topDownFormat(int width, int height);

void savePng(const Image& image, const std::wstring& path);
void saveScreenshot(HWND window, const std::wstring& pngPath);

} // namespace ui
