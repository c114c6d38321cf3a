#pragma once
// Decompressing the image data (zlib format, possibly split over several IDAT chunks).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Png {

// Returns exactly `expectedSize` bytes. The output grows with the data actually decompressed, so a
// header that claims a huge image costs no memory until the data is there. Raises
// EInvalidGraphicOperation for corrupt data, too little or too much data, or bytes after the end
// of the compressed stream.
std::vector<std::uint8_t> InflateImageData(const std::vector<std::span<const std::uint8_t>>& parts,
                                           std::size_t expectedSize);

}  // namespace Png
