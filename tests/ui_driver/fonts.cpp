#include "tests/ui_driver/fonts.h"

#include <string>

#include "forms/geometry.h"
#include "tests/ui_driver/error.h"

namespace ui {

LOGFONTW describedFont(std::wstring_view face, double points, bool bold, int dpi)
{
    LOGFONTW font{};
    font.lfHeight = forms::FontHeight(points, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

LOGFONTW defaultWindowFont()
{
    NONCLIENTMETRICSW metrics{sizeof(metrics)};
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        throwLastError("SystemParametersInfoW");
    metrics.lfMessageFont.lfWeight = FW_NORMAL;
    return metrics.lfMessageFont;
}

SIZE textExtent(std::wstring_view text, const LOGFONTW& font, UINT format)
{
    HFONT handle = CreateFontIndirectW(&font);
    if (!handle)
        throwLastError("CreateFontIndirectW");
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, handle);
    RECT box{};
    const std::wstring copy(text);
    const int height = DrawTextW(dc, copy.c_str(), -1, &box, format | DT_CALCRECT);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(handle);
    if (height == 0)
        throwLastError("DrawTextW");
    return {box.right - box.left, box.bottom - box.top};
}

std::wstring resolvedFace(const LOGFONTW& font)
{
    HFONT handle = CreateFontIndirectW(&font);
    if (!handle)
        throwLastError("CreateFontIndirectW");
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, handle);
    wchar_t face[LF_FACESIZE] = {};
    const int length = GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(handle);
    if (length == 0)
        throwLastError("GetTextFaceW");
    return face;
}

} // namespace ui
