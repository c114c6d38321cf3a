#pragma once
// The chunk sequence of a PNG file read into what decoding needs: the header, the palette, the
// transparency information and the compressed image data. Chunk order and sizes are checked here.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "toolkit/imaging/png_header.h"

namespace Png {

struct TPaletteEntry {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    std::uint8_t A = 255;  // from tRNS; opaque when tRNS does not cover the entry
};

// The one colour that tRNS makes transparent in a grey or RGB image, as raw samples of the file's
// bit depth. A grey key has the same value in all three.
struct TColourKey {
    std::uint16_t R = 0;
    std::uint16_t G = 0;
    std::uint16_t B = 0;
};

struct TStructure {
    THeader Header;
    std::vector<TPaletteEntry> Palette;  // only for indexed images
    std::optional<TColourKey> Key;
    std::vector<std::span<const std::uint8_t>> ImageData;  // the IDAT chunks in order
};

// Raises EInvalidGraphicOperation for any damaged, missing, misplaced or unknown critical chunk.
TStructure ReadStructure(std::span<const std::uint8_t> file);

}  // namespace Png
