#pragma once
// A portable PNG decoder: every standard colour type and bit depth, Adam7 interlace, PLTE and tRNS.
//
// DecodePng returns straight (not premultiplied) RGBA, 8 bits per channel, rows top to bottom, no
// padding: the pixel at (x, y) starts at Pixels[(y * Width + x) * 4]. 16-bit samples are rounded to
// 8 bits. DecodePng16 returns the same layout with 16-bit channels (0-65535); samples of fewer bits
// are scaled up exactly (an 8-bit 255 becomes 65535), so a 16-bit source keeps its full precision.
// Grey images become R = G = B; a tRNS chunk becomes the alpha channel (0 where the key colour
// matches, palette alpha for indexed images); images without alpha are opaque.
//
// Every chunk's CRC is checked. A damaged or unsupported file raises EInvalidGraphicOperation with
// a short English message naming the fault, for example "PNG: bad CRC in IDAT". Images wider or
// taller than PngMaxDimension, or with more than PngMaxPixels pixels, are refused.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr std::uint32_t PngMaxDimension = 16384;
inline constexpr std::uint64_t PngMaxPixels = std::uint64_t{1} << 24;

struct TPngImage {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::vector<std::uint8_t> Pixels;  // Width * Height * 4: R, G, B, A
};

struct TPngImage16 {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint8_t SourceBitDepth = 0;    // the file's bit depth: 1, 2, 4, 8 or 16
    std::vector<std::uint16_t> Pixels;  // Width * Height * 4: R, G, B, A
};

TPngImage DecodePng(std::span<const std::uint8_t> file);
TPngImage16 DecodePng16(std::span<const std::uint8_t> file);
