#include "toolkit/imaging/png_pixels.h"

#include "toolkit/exceptions.h"

namespace Png {
namespace {

constexpr std::uint16_t Opaque = 65535;

// Reads the n-th sample of a row; samples of fewer than 8 bits are packed from the high bit down.
class TSampleReader {
public:
    TSampleReader(std::span<const std::uint8_t> row, unsigned bitDepth)
        : FRow(row), FBitDepth(bitDepth), FMaximum((1u << bitDepth) - 1) {}

    std::uint16_t Raw(std::size_t index) const {
        if (FBitDepth == 16) {
            return static_cast<std::uint16_t>((FRow[2 * index] << 8) | FRow[2 * index + 1]);
        }
        const std::size_t bit = index * FBitDepth;
        const unsigned shift = 8 - FBitDepth - bit % 8;
        return static_cast<std::uint16_t>((FRow[bit / 8] >> shift) & FMaximum);
    }

    // Scaled to 0-65535; exact, since 65535 is a multiple of 2^n - 1 for n = 1, 2, 4, 8 and 16.
    std::uint16_t Scaled(std::uint16_t raw) const { return static_cast<std::uint16_t>(raw * (65535u / FMaximum)); }

private:
    std::span<const std::uint8_t> FRow;
    unsigned FBitDepth;
    unsigned FMaximum;
};

void Store(std::span<std::uint16_t> rgba, std::size_t pixel, std::uint16_t r, std::uint16_t g, std::uint16_t b,
           std::uint16_t a) {
    rgba[4 * pixel] = r;
    rgba[4 * pixel + 1] = g;
    rgba[4 * pixel + 2] = b;
    rgba[4 * pixel + 3] = a;
}

void UnpackGrey(const TSampleReader& samples, const TStructure& image, std::span<std::uint16_t> rgba) {
    for (std::size_t x = 0; x < rgba.size() / 4; ++x) {
        const std::uint16_t raw = samples.Raw(x);
        const std::uint16_t level = samples.Scaled(raw);
        const bool keyed = image.Key && image.Key->R == raw;
        Store(rgba, x, level, level, level, keyed ? 0 : Opaque);
    }
}

void UnpackRgb(const TSampleReader& samples, const TStructure& image, std::span<std::uint16_t> rgba) {
    for (std::size_t x = 0; x < rgba.size() / 4; ++x) {
        const std::uint16_t r = samples.Raw(3 * x);
        const std::uint16_t g = samples.Raw(3 * x + 1);
        const std::uint16_t b = samples.Raw(3 * x + 2);
        const bool keyed = image.Key && image.Key->R == r && image.Key->G == g && image.Key->B == b;
        Store(rgba, x, samples.Scaled(r), samples.Scaled(g), samples.Scaled(b), keyed ? 0 : Opaque);
    }
}

void UnpackIndexed(const TSampleReader& samples, const TStructure& image, std::span<std::uint16_t> rgba) {
    constexpr unsigned Widen = 257;  // 8-bit palette values to 16 bits
    for (std::size_t x = 0; x < rgba.size() / 4; ++x) {
        const std::uint16_t index = samples.Raw(x);
        if (index >= image.Palette.size()) {
            throw EInvalidGraphicOperation("PNG: palette index out of range");
        }
        const TPaletteEntry& entry = image.Palette[index];
        Store(rgba, x, static_cast<std::uint16_t>(entry.R * Widen), static_cast<std::uint16_t>(entry.G * Widen),
              static_cast<std::uint16_t>(entry.B * Widen), static_cast<std::uint16_t>(entry.A * Widen));
    }
}

void UnpackGreyAlpha(const TSampleReader& samples, std::span<std::uint16_t> rgba) {
    for (std::size_t x = 0; x < rgba.size() / 4; ++x) {
        const std::uint16_t level = samples.Scaled(samples.Raw(2 * x));
        Store(rgba, x, level, level, level, samples.Scaled(samples.Raw(2 * x + 1)));
    }
}

void UnpackRgbAlpha(const TSampleReader& samples, std::span<std::uint16_t> rgba) {
    for (std::size_t x = 0; x < rgba.size() / 4; ++x) {
        Store(rgba, x, samples.Scaled(samples.Raw(4 * x)), samples.Scaled(samples.Raw(4 * x + 1)),
              samples.Scaled(samples.Raw(4 * x + 2)), samples.Scaled(samples.Raw(4 * x + 3)));
    }
}

}  // namespace

void UnpackRow(std::span<const std::uint8_t> row, const TStructure& image, std::span<std::uint16_t> rgba) {
    const TSampleReader samples(row, image.Header.BitDepth);
    switch (image.Header.ColourType) {
        case TColourType::ctGrey:
            return UnpackGrey(samples, image, rgba);
        case TColourType::ctRgb:
            return UnpackRgb(samples, image, rgba);
        case TColourType::ctIndexed:
            return UnpackIndexed(samples, image, rgba);
        case TColourType::ctGreyAlpha:
            return UnpackGreyAlpha(samples, rgba);
        case TColourType::ctRgbAlpha:
            return UnpackRgbAlpha(samples, rgba);
    }
}

}  // namespace Png
