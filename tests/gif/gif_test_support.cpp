#include "tests/gif/gif_test_support.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "controls/animation/gif/gif_reader.h"
#include "controls/animation/gif/gif_settings.h"

std::string Hex(const TBytes& bytes) {
    std::string text;
    char digits[4];
    for (std::uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02x ", byte);
        text += digits;
    }
    return text;
}

TBytes Join(std::initializer_list<TBytes> pieces) {
    TBytes joined;
    for (const TBytes& piece : pieces) joined.insert(joined.end(), piece.begin(), piece.end());
    return joined;
}

TBytes PackCodes(int minCodeSize, const std::vector<TCode>& codes) {
    TBytes packed;
    std::uint32_t bits = 0;
    int count = 0;
    for (const TCode& code : codes) {
        bits |= static_cast<std::uint32_t>(code.Value) << count;
        count += code.Width;
        for (; count >= 8; count -= 8, bits >>= 8) packed.push_back(static_cast<std::uint8_t>(bits));
    }
    if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
    TBytes data{static_cast<std::uint8_t>(minCodeSize)};
    for (std::size_t at = 0; at < packed.size(); at += 255) {
        std::size_t length = std::min<std::size_t>(255, packed.size() - at);
        data.push_back(static_cast<std::uint8_t>(length));
        data.insert(data.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                    packed.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    data.push_back(0);
    return data;
}

namespace {

std::uint32_t Long(const TBytes& bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

}  // namespace

std::vector<TBytes> IndexRowsOf(const TBytes& bitmapFile) {
    std::size_t offset = Long(bitmapFile, 10);
    std::size_t width = Long(bitmapFile, 18);
    std::size_t height = Long(bitmapFile, 22);
    int depth = bitmapFile[28];
    std::size_t stride = (depth * width + 31) / 32 * 4;
    std::vector<TBytes> rows(height, TBytes(width));
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* row = bitmapFile.data() + offset + (height - 1 - y) * stride;
        for (std::size_t x = 0; x < width; ++x) {
            std::size_t bit = x * depth;
            int shift = 8 - depth - static_cast<int>(bit % 8);
            rows[y][x] = static_cast<std::uint8_t>((row[bit / 8] >> shift) & ((1 << depth) - 1));
        }
    }
    return rows;
}

TBytes ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TGIFContent Parse(const TBytes& bytes) {
    TGIFContent content;
    ReadGIF(bytes.size(), bytes, content);
    return content;
}

TStrictMode::TStrictMode() : FSaved(TolerateCorruptData) { TolerateCorruptData = false; }

TStrictMode::~TStrictMode() { TolerateCorruptData = FSaved; }

std::vector<TColor> PaletteOf(const TBytes& bitmapFile) {
    std::vector<TColor> palette(std::size_t{1} << bitmapFile[28]);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint8_t* entry = bitmapFile.data() + 54 + 4 * i;
        palette[i] = MakeRGB(entry[2], entry[1], entry[0]);
    }
    return palette;
}
