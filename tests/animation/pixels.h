#pragma once
// Reading back what was painted, as 0xRRGGBB words, and printing them.
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/color.h"
#include "toolkit/control.h"

struct TPixels {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Words;  // rows from the top
    std::uint32_t At(int x, int y) const { return Words.at(static_cast<std::size_t>(y) * Width + x); }
};

// The bitmap's pixels.
TPixels PixelsOf(TBitmap& bitmap);
// The control's paint message handled with a memory device context of its size.
TPixels PaintedPixels(TControl& control);
// The same over a ground of the given colour, for what a control leaves unpainted.
TPixels PaintedPixels(TControl& control, TColor ground);
// A toolkit colour as the pixel it paints (system colours resolved).
std::uint32_t PixelOf(TColor color);
std::string HexPixel(std::uint32_t pixel);
