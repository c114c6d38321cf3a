#include "tests/animation/pixels.h"

#include <cstdio>

TPixels PixelsOf(TBitmap& bitmap) {
    GdiFlush();
    TPixels pixels{bitmap.Width(), bitmap.Height(), {}};
    const std::uint32_t* bits = bitmap.Bits();
    for (std::size_t i = 0; i < static_cast<std::size_t>(pixels.Width) * pixels.Height; ++i)
        pixels.Words.push_back(bits[i] & 0x00FFFFFFu);
    return pixels;
}

TPixels PaintedPixels(TControl& control) { return PaintedPixels(control, clBlack); }

TPixels PaintedPixels(TControl& control, TColor ground) {
    TBitmap surface;
    surface.SetSize(control.Width(), control.Height());
    surface.Canvas().FillRect({0, 0, control.Width(), control.Height()}, ground);
    control.PaintControl(surface.Canvas().Handle());
    return PixelsOf(surface);
}

std::uint32_t PixelOf(TColor color) {
    COLORREF rgb = ColorToRGB(color);
    return (std::uint32_t{GetRValue(rgb)} << 16) | (std::uint32_t{GetGValue(rgb)} << 8) | GetBValue(rgb);
}

std::string HexPixel(std::uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(pixel));
    return text;
}
