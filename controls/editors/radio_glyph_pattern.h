#pragma once
// The shape of the classic radio glyph, measured once from the platform and turned into a pattern
// of codes: 0 outside, 1 and 2 the outer ring above and below the diagonal from the top-right to
// the bottom-left corner, 3 and 4 the inner ring likewise, 5 the body, 6 the dot.
#include <windows.h>

#include <cstdint>
#include <vector>

struct TRadioGlyphMetrics {
    int Width = 0;
    int Height = 0;
    POINT Origin{0, 0};  // of the glyph inside the platform's check-box cell
    RECT Dot{0, 0, 0, 0};  // in glyph coordinates, right and bottom exclusive
};

enum TRadioGlyphCode : std::uint8_t { rgcOutside, rgcOuterUpper, rgcOuterLower, rgcInnerUpper, rgcInnerLower,
                                      rgcBody, rgcDot };

struct TRadioGlyphPattern {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Codes;  // row by row from the top
    std::uint8_t At(int x, int y) const { return Codes.at(static_cast<std::size_t>(y * Width + x)); }
};

// Measured from the platform's check-box cell and flat radio mask and image.
TRadioGlyphMetrics MeasureRadioGlyph();
// The pattern for a glyph of these metrics (the ring and dot are drawn as platform ellipses).
TRadioGlyphPattern BuildRadioPattern(const TRadioGlyphMetrics& metrics);
// The codes from a drawn ring (outline of the outer ellipse) and dot, both width x height flags.
TRadioGlyphPattern ClassifyRadioPattern(int width, int height, const std::vector<bool>& ring,
                                        const std::vector<bool>& dot);
