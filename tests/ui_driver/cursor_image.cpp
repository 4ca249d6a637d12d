#include "tests/ui_driver/cursor_image.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/ui_driver/error.h"
#include "tests/ui_driver/image.h"
#include "tests/ui_driver/files.h"
#include "tests/ui_driver/paths.h"
#include "tests/ui_driver/text.h"
#include "tests/ui_driver/unix_program.h"
#include "tests/ui_driver/wait.h"

namespace ui {

namespace {

class Bitmap {
public:
    explicit Bitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    ~Bitmap()
    {
        if (bitmap_)
            DeleteObject(bitmap_);
    }
    HBITMAP get() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

// The bitmap as 32-bit pixels, top row first; 1-bit masks come out as 0 or 0xFFFFFF.
std::vector<std::uint32_t> pixelsOf(HBITMAP bitmap, int& width, int& height)
{
    BITMAP facts{};
    if (!GetObjectW(bitmap, sizeof facts, &facts))
        throwLastError("GetObjectW");
    width = facts.bmWidth;
    height = facts.bmHeight;
    BITMAPINFO format = topDownFormat(width, height);
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        throwLastError("GetDIBits");
    return pixels;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const CursorImage& image)
{
    return out << image.width << "x" << image.height << " hotspot (" << image.hotspotX << "," << image.hotspotY
               << ")\n"
               << image.shape;
}

CursorImage cursorImageOnDisplay()
{
    static std::atomic<unsigned> readings{0};
    const std::wstring name = L"cursor-image-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(readings++) + L".txt";
    const std::wstring unixOutput = sessionUnixPath() + L"/" + name;
    const std::wstring output = windowsPath(unixOutput);
    startUnixProgram({L"/usr/bin/python3", environmentVariable(L"KELVORN_SOURCE_DIR") + L"/tests/ui_driver/x_cursor_image.py",
                      unixOutput});
    waitFor("the X cursor image in " + toUtf8(unixOutput), [&] { return pathExists(output); });

    std::ifstream file{std::filesystem::path(output)};
    std::string header;
    std::getline(file, header);
    CursorImage image;
    std::istringstream facts(header);
    if (!(facts >> image.width >> image.height >> image.hotspotX >> image.hotspotY))
        throw DriverError("x_cursor_image.py: " + header);
    for (std::string row; std::getline(file, row);)
        image.shape += row + "\n";
    file.close();
    removeTree(output);
    return image;
}

CursorImage cursorImageOf(HCURSOR cursor)
{
    ICONINFO info{};
    if (!GetIconInfo(cursor, &info))
        throwLastError("GetIconInfo");
    const Bitmap mask(info.hbmMask);
    const Bitmap color(info.hbmColor);

    int maskWidth = 0;
    int maskHeight = 0;
    const std::vector<std::uint32_t> maskPixels = pixelsOf(mask.get(), maskWidth, maskHeight);
    CursorImage image;
    image.width = maskWidth;
    image.hotspotX = static_cast<int>(info.xHotspot);
    image.hotspotY = static_cast<int>(info.yHotspot);

    // A monochrome cursor's mask holds the AND rows above the XOR rows; a pixel lets the
    // screen show only where AND is 1 and XOR 0. A colour cursor covers where its alpha
    // is not 0, or where its AND mask is 0 if it has no alpha at all.
    std::vector<std::uint32_t> colorPixels;
    bool hasAlpha = false;
    if (color.get()) {
        int colorWidth = 0;
        int colorHeight = 0;
        colorPixels = pixelsOf(color.get(), colorWidth, colorHeight);
        for (std::uint32_t pixel : colorPixels)
            hasAlpha = hasAlpha || (pixel >> 24) != 0;
        image.height = colorHeight;
    } else {
        image.height = maskHeight / 2;
    }
    const auto at = [&](const std::vector<std::uint32_t>& pixels, int x, int y) {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)];
    };
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool andBit = at(maskPixels, x, y) & 0xFFFFFF;
            bool covers = !andBit;
            if (!color.get())
                covers = !andBit || (at(maskPixels, x, y + image.height) & 0xFFFFFF);
            else if (hasAlpha)
                covers = (at(colorPixels, x, y) >> 24) != 0;
            image.shape += covers ? '#' : '.';
        }
        image.shape += '\n';
    }
    return image;
}

} // namespace ui
