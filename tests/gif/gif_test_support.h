#pragma once
// Helpers for the GIF tests: hex printing, packing LZW codes by hand, and reading back the colour
// indexes of a decoded frame's BMP file.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "controls/animation/gif/gif_content.h"

using TBytes = std::vector<std::uint8_t>;

std::string Hex(const TBytes& bytes);

// Concatenates byte groups, so that a GIF can be written as commented pieces.
TBytes Join(std::initializer_list<TBytes> pieces);

// One LZW code and the width it is sent with.
struct TCode {
    int Value;
    int Width;
};

// Frame data: the code size byte, the codes packed least significant bit first into sub-blocks of
// at most 255 bytes, and the terminator.
TBytes PackCodes(int minCodeSize, const std::vector<TCode>& codes);

// The colour indexes of a BMP file made by DecodeFrame, top row first, one byte per pixel.
std::vector<TBytes> IndexRowsOf(const TBytes& bitmapFile);

// Reads a whole file; empty when it cannot be read.
TBytes ReadFileBytes(const std::string& path);

// Parses bytes with ReadGIF, returning the content (and leaving what was read on failure).
TGIFContent Parse(const TBytes& bytes);

// Sets TolerateCorruptData for one scope.
class TStrictMode {
public:
    TStrictMode();
    ~TStrictMode();
    TStrictMode(const TStrictMode&) = delete;
    TStrictMode& operator=(const TStrictMode&) = delete;

private:
    bool FSaved;
};

// The palette of a BMP file made by DecodeFrame, as toolkit colours.
std::vector<TColor> PaletteOf(const TBytes& bitmapFile);
