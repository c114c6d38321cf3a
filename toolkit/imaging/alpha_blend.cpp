#include "toolkit/imaging/alpha_blend.h"

std::uint8_t BlendChannel(std::uint8_t source, std::uint8_t alpha, std::uint8_t background) {
    const unsigned blended = source * alpha + background * (255u - alpha) + 127u;
    return static_cast<std::uint8_t>(blended / 255u);
}

TRgb BlendPixel(TRgb source, std::uint8_t alpha, TRgb background) {
    return TRgb{BlendChannel(source.R, alpha, background.R), BlendChannel(source.G, alpha, background.G),
                BlendChannel(source.B, alpha, background.B)};
}

TPngImage BlendOverBackground(const TPngImage& image, TRgb background) {
    TPngImage result = image;
    for (std::size_t i = 0; i + 3 < result.Pixels.size(); i += 4) {
        const TRgb source{image.Pixels[i], image.Pixels[i + 1], image.Pixels[i + 2]};
        const TRgb blended = BlendPixel(source, image.Pixels[i + 3], background);
        result.Pixels[i] = blended.R;
        result.Pixels[i + 1] = blended.G;
        result.Pixels[i + 2] = blended.B;
        result.Pixels[i + 3] = 255;
    }
    return result;
}
