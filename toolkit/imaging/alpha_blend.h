#pragma once
// Drawing straight (not premultiplied) RGBA pixels over an opaque background colour, as the logo
// is drawn over the dialog's face colour.
#include <cstdint>

#include "toolkit/imaging/png_decoder.h"

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
};

// (source * alpha + background * (255 - alpha) + 127) / 255: alpha 0 gives the background, alpha
// 255 the source, and partial alpha the nearest value, so soft edges get no dark or light fringe.
std::uint8_t BlendChannel(std::uint8_t source, std::uint8_t alpha, std::uint8_t background);

TRgb BlendPixel(TRgb source, std::uint8_t alpha, TRgb background);

// The image drawn over the background: the same size and layout, every pixel opaque (alpha 255).
TPngImage BlendOverBackground(const TPngImage& image, TRgb background);
