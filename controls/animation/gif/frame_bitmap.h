#pragma once
// The in-memory BMP file a frame is decoded into: file header, information header, palette and
// bottom-up pixel rows padded to 4 bytes, at a depth of 1, 4 or 8 bits.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/animation/gif/gif_color_table.h"
#include "controls/animation/gif/gif_pixel_rows.h"

inline constexpr std::size_t kBitmapFileHeaderSize = 14;
inline constexpr std::size_t kBitmapInfoHeaderSize = 40;
// Larger pixel areas are refused with EOutOfResources: no bitmap of that size could be created.
inline constexpr std::size_t kMaxBitmapPixelBytes = std::size_t{256} << 20;

// The bitmap depth for a frame's bits per pixel: 1 for 1, 4 for 2-4, 8 for 5-8; any other value
// fails with "Wrong number of colors; must be a power of 2".
int BitmapDepthFor(int bitsPerPixel);

// Bytes per pixel row: ((depth * width + 31) div 32) * 4.
std::size_t BitmapStride(int width, int depth);

// A BMP file of the given size and depth with the table's colours as its palette (entries beyond
// the table are 128, 128, 128, 128) and all pixel rows zero.
std::vector<std::uint8_t> MakeBitmapFile(int width, int height, int depth, const TGIFColorTable& table);

// The pixel rows of a file made by MakeBitmapFile, to decode into.
TGIFPixelRows PixelRowsOf(std::vector<std::uint8_t>& bitmapFile, int width, int height, int depth,
                          bool interlaced);
