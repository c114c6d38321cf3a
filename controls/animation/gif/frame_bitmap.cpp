#include "controls/animation/gif/frame_bitmap.h"

#include "controls/animation/gif/gif_errors.h"

namespace {

constexpr std::uint8_t kUnusedPaletteByte = 128;

void PutWord(std::vector<std::uint8_t>& file, std::size_t at, std::uint16_t value) {
    file[at] = static_cast<std::uint8_t>(value);
    file[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLong(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    PutWord(file, at, static_cast<std::uint16_t>(value));
    PutWord(file, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::size_t PaletteSize(int depth) { return std::size_t{4} << depth; }

std::size_t PixelOffset(int depth) {
    return kBitmapFileHeaderSize + kBitmapInfoHeaderSize + PaletteSize(depth);
}

void PutHeaders(std::vector<std::uint8_t>& file, int width, int height, int depth) {
    std::size_t pixelBytes = file.size() - PixelOffset(depth);
    file[0] = 'B';
    file[1] = 'M';
    PutLong(file, 2, static_cast<std::uint32_t>(file.size()));
    PutLong(file, 10, static_cast<std::uint32_t>(PixelOffset(depth)));
    std::size_t info = kBitmapFileHeaderSize;
    PutLong(file, info, kBitmapInfoHeaderSize);
    PutLong(file, info + 4, static_cast<std::uint32_t>(width));
    PutLong(file, info + 8, static_cast<std::uint32_t>(height));  // positive: bottom row first
    PutWord(file, info + 12, 1);                                  // planes
    PutWord(file, info + 14, static_cast<std::uint16_t>(depth));
    PutLong(file, info + 16, 0);  // no compression
    PutLong(file, info + 20, static_cast<std::uint32_t>(pixelBytes));
}

void PutPalette(std::vector<std::uint8_t>& file, int depth, const TGIFColorTable& table) {
    std::size_t at = kBitmapFileHeaderSize + kBitmapInfoHeaderSize;
    for (int i = 0; i < (1 << depth); ++i, at += 4) {
        if (!table.Contains(i)) {
            for (std::size_t b = 0; b < 4; ++b) file[at + b] = kUnusedPaletteByte;
            continue;
        }
        const TGIFRGB& entry = table.Entries[static_cast<std::size_t>(i)];
        file[at] = entry.Blue;
        file[at + 1] = entry.Green;
        file[at + 2] = entry.Red;
    }
}

}  // namespace

int BitmapDepthFor(int bitsPerPixel) {
    if (bitsPerPixel == 1) return 1;
    if (bitsPerPixel >= 2 && bitsPerPixel <= 4) return 4;
    if (bitsPerPixel >= 5 && bitsPerPixel <= 8) return 8;
    throw EInvalidGraphicOperation(kWrongColorCount);
}

std::size_t BitmapStride(int width, int depth) {
    return (static_cast<std::size_t>(depth) * static_cast<std::size_t>(width) + 31) / 32 * 4;
}

std::vector<std::uint8_t> MakeBitmapFile(int width, int height, int depth, const TGIFColorTable& table) {
    std::size_t pixelBytes = BitmapStride(width, depth) * static_cast<std::size_t>(height);
    if (pixelBytes > kMaxBitmapPixelBytes) throw EOutOfResources("Out of system resources");
    std::vector<std::uint8_t> file(PixelOffset(depth) + pixelBytes, 0);
    PutHeaders(file, width, height, depth);
    PutPalette(file, depth, table);
    return file;
}

TGIFPixelRows PixelRowsOf(std::vector<std::uint8_t>& bitmapFile, int width, int height, int depth,
                          bool interlaced) {
    TGIFPixelRows rows;
    rows.Bits = bitmapFile.data() + PixelOffset(depth);
    rows.Stride = BitmapStride(width, depth);
    rows.Width = width;
    rows.Height = height;
    rows.Depth = depth;
    rows.Interlaced = interlaced;
    return rows;
}
