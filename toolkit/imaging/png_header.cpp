#include "toolkit/imaging/png_header.h"

#include <string>

#include "toolkit/exceptions.h"
#include "toolkit/imaging/png_chunks.h"
#include "toolkit/imaging/png_decoder.h"

namespace Png {
namespace {

constexpr std::size_t HeaderLength = 13;

bool IsAllowedBitDepth(std::uint8_t colourType, std::uint8_t bitDepth) {
    switch (colourType) {
        case 0:
            return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
        case 3:
            return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
        case 2:
        case 4:
        case 6:
            return bitDepth == 8 || bitDepth == 16;
        default:
            return false;
    }
}

void CheckSize(std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0) {
        throw EInvalidGraphicOperation("PNG: image width or height is zero");
    }
    if (width > PngMaxDimension || height > PngMaxDimension ||
        std::uint64_t{width} * height > PngMaxPixels) {
        throw EInvalidGraphicOperation("PNG: image too large");
    }
}

void CheckColourType(std::uint8_t colourType, std::uint8_t bitDepth) {
    if (colourType > 6 || colourType == 1 || colourType == 5) {
        throw EInvalidGraphicOperation("PNG: invalid colour type " + std::to_string(colourType));
    }
    if (!IsAllowedBitDepth(colourType, bitDepth)) {
        throw EInvalidGraphicOperation("PNG: invalid bit depth " + std::to_string(bitDepth) +
                                       " for colour type " + std::to_string(colourType));
    }
}

}  // namespace

THeader ParseHeader(std::span<const std::uint8_t> data) {
    if (data.size() != HeaderLength) {
        throw EInvalidGraphicOperation("PNG: IHDR has the wrong length");
    }
    const std::uint32_t width = ReadBigEndian32(data.subspan(0, 4));
    const std::uint32_t height = ReadBigEndian32(data.subspan(4, 4));
    CheckSize(width, height);
    const std::uint8_t bitDepth = data[8];
    const std::uint8_t colourType = data[9];
    CheckColourType(colourType, bitDepth);
    if (data[10] != 0) {
        throw EInvalidGraphicOperation("PNG: unknown compression method");
    }
    if (data[11] != 0) {
        throw EInvalidGraphicOperation("PNG: unknown filter method");
    }
    if (data[12] > 1) {
        throw EInvalidGraphicOperation("PNG: unknown interlace method");
    }
    return THeader{width, height, bitDepth, static_cast<TColourType>(colourType), data[12] == 1};
}

unsigned ChannelCount(TColourType colourType) {
    switch (colourType) {
        case TColourType::ctGrey:
        case TColourType::ctIndexed:
            return 1;
        case TColourType::ctGreyAlpha:
            return 2;
        case TColourType::ctRgb:
            return 3;
        case TColourType::ctRgbAlpha:
            return 4;
    }
    return 1;
}

unsigned BitsPerPixel(const THeader& header) { return ChannelCount(header.ColourType) * header.BitDepth; }

std::size_t FilterStride(const THeader& header) {
    const unsigned bits = BitsPerPixel(header);
    return bits < 8 ? 1 : bits / 8;
}

std::size_t RowBytes(const THeader& header, std::uint32_t width) {
    return (std::size_t{width} * BitsPerPixel(header) + 7) / 8;
}

}  // namespace Png
