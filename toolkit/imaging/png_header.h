#pragma once
// The image header (IHDR): size, colour type, bit depth and interlace method, checked on reading,
// and the row sizes that follow from them.
#include <cstddef>
#include <cstdint>
#include <span>

namespace Png {

enum class TColourType : std::uint8_t {
    ctGrey = 0,
    ctRgb = 2,
    ctIndexed = 3,
    ctGreyAlpha = 4,
    ctRgbAlpha = 6,
};

struct THeader {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint8_t BitDepth = 0;
    TColourType ColourType = TColourType::ctGrey;
    bool Interlaced = false;
};

// Raises EInvalidGraphicOperation for a wrong length, a zero or too large size, a colour type and
// bit depth pair the format does not define, or an unknown compression, filter or interlace method.
THeader ParseHeader(std::span<const std::uint8_t> data);

unsigned ChannelCount(TColourType colourType);
unsigned BitsPerPixel(const THeader& header);
// The distance in bytes between a byte and the one it is predicted from (at least 1).
std::size_t FilterStride(const THeader& header);
// Bytes in one row of `width` pixels, without the filter type byte. The header's limits keep this
// far from overflowing.
std::size_t RowBytes(const THeader& header, std::uint32_t width);

}  // namespace Png
