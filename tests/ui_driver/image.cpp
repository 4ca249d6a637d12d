#include "tests/ui_driver/image.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/wait.h"
#include "tests/ui_driver/window_query.h"

namespace ui {

namespace {

// A 32-bit top-down bitmap selected into a memory DC: GDI draws into it and its pixels
// are read straight from memory.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        const BITMAPINFO format = topDownFormat(width, height);
        dc_ = CreateCompatibleDC(nullptr);
        if (!dc_)
            throwLastError("CreateCompatibleDC");
        bitmap_ = CreateDIBSection(dc_, &format, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (!bitmap_) {
            DeleteDC(dc_);
            throwLastError("CreateDIBSection");
        }
        previous_ = SelectObject(dc_, bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    HDC dc() const { return dc_; }

    Image image() const
    {
        GdiFlush();
        Image result{width_, height_, std::vector<std::uint32_t>(static_cast<size_t>(width_ * height_))};
        std::memcpy(result.pixels.data(), bits_, result.pixels.size() * sizeof(std::uint32_t));
        for (std::uint32_t& pixel : result.pixels)
            pixel &= 0xFFFFFF;
        return result;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

COLORREF toColorRef(std::uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// What the screen shows in the rectangle at this moment.
Image readScreen(const RECT& screenRect)
{
    Canvas canvas(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
    HDC screen = GetDC(nullptr);
    if (!screen)
        throwLastError("GetDC");
    const BOOL copied = BitBlt(canvas.dc(), 0, 0, screenRect.right - screenRect.left,
                               screenRect.bottom - screenRect.top, screen, screenRect.left, screenRect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (!copied)
        throwLastError("BitBlt from the screen");
    return canvas.image();
}

} // namespace

BITMAPINFO topDownFormat(int width, int height)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

Image captureScreen(const RECT& screenRect)
{
    if (screenRect.right <= screenRect.left || screenRect.bottom <= screenRect.top)
        throw DriverError("an empty rectangle cannot be captured");
    // A window that has just appeared may not have painted yet.
    if (HWND shown = WindowFromPoint({(screenRect.left + screenRect.right) / 2, (screenRect.top + screenRect.bottom) / 2}))
        waitUntilIdle(shown);
    // Wine hands what a thread has painted to the X server a little later (measured:
    // controls still black 60 ms after the window's thread was idle, drawn 30 ms
    // later), so the picture counts once it has stayed the same for a few polls.
    constexpr int samePollsNeeded = 4;
    Image last = readScreen(screenRect);
    int samePolls = 0;
    waitFor("the screen to stop changing", [&] {
        Image now = readScreen(screenRect);
        samePolls = now.pixels == last.pixels ? samePolls + 1 : 0;
        last = std::move(now);
        return samePolls >= samePollsNeeded;
    });
    return last;
}

Image captureWindow(HWND window)
{
    waitUntilIdle(window);
    return captureScreen(screenRect(window));
}

Image drawIcon(HICON icon, SIZE size, std::uint32_t background)
{
    Canvas canvas(size.cx, size.cy);
    HBRUSH ground = CreateSolidBrush(toColorRef(background));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(canvas.dc(), &all, ground);
    DeleteObject(ground);
    if (!DrawIconEx(canvas.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL))
        throwLastError("DrawIconEx");
    return canvas.image();
}

Image drawBitmap(HBITMAP bitmap, SIZE size, SIZE drawnSize, std::uint32_t background)
{
    BITMAP format{};
    if (!GetObjectW(bitmap, sizeof format, &format))
        throwLastError("GetObjectW of a bitmap");
    Canvas canvas(size.cx, size.cy);
    HBRUSH ground = CreateSolidBrush(toColorRef(background));
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(canvas.dc(), &all, ground);
    DeleteObject(ground);
    HDC source = CreateCompatibleDC(nullptr);
    if (!source)
        throwLastError("CreateCompatibleDC");
    const HGDIOBJ previous = SelectObject(source, bitmap);
    SetStretchBltMode(canvas.dc(), COLORONCOLOR);
    const BOOL drawn = StretchBlt(canvas.dc(), 0, 0, drawnSize.cx, drawnSize.cy, source, 0, 0, format.bmWidth,
                                  format.bmHeight, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    if (!drawn)
        throwLastError("StretchBlt");
    return canvas.image();
}

std::uint32_t systemColour(int index)
{
    const COLORREF colour = GetSysColor(index);
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

Image drawText(std::wstring_view text, SIZE size, const TextLook& look)
{
    Canvas canvas(size.cx, size.cy);
    HBRUSH ground = CreateSolidBrush(toColorRef(look.ground));
    RECT box{0, 0, size.cx, size.cy};
    FillRect(canvas.dc(), &box, ground);
    DeleteObject(ground);
    HFONT font = CreateFontIndirectW(&look.font);
    if (!font)
        throwLastError("CreateFontIndirectW");
    const HGDIOBJ previous = SelectObject(canvas.dc(), font);
    SetTextColor(canvas.dc(), toColorRef(look.colour));
    SetBkColor(canvas.dc(), toColorRef(look.ground));
    const std::wstring copy(text);
    const int height = DrawTextW(canvas.dc(), copy.c_str(), -1, &box, look.format);
    SelectObject(canvas.dc(), previous);
    DeleteObject(font);
    if (height == 0 && !text.empty())
        throwLastError("DrawTextW");
    return canvas.image();
}

Image inkOf(const Image& image, std::uint32_t colour)
{
    int left = image.width, top = image.height, right = 0, bottom = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y) != colour)
                continue;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x + 1);
            bottom = std::max(bottom, y + 1);
        }
    }
    if (right <= left)
        return {};
    Image ink{right - left, bottom - top, {}};
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            ink.pixels.push_back(image.at(x, y) == colour ? 1 : 0);
    }
    return ink;
}

void saveScreenshot(HWND window, const std::wstring& pngPath)
{
    savePng(captureWindow(window), pngPath);
}

int countOf(const Image& image, std::uint32_t colour)
{
    return static_cast<int>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}

int differentPixels(const Image& a, const Image& b)
{
    if (a.width != b.width || a.height != b.height)
        throw DriverError("images of different sizes compared pixel by pixel");
    int different = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        different += a.pixels[i] != b.pixels[i];
    return different;
}

} // namespace ui
