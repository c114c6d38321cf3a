#pragma once
// Undoing the five PNG row filters (none, sub, up, average, Paeth).
#include <cstddef>
#include <cstdint>
#include <span>

namespace Png {

// `rows` holds rowCount rows, each a filter type byte followed by rowBytes filtered bytes; they are
// unfiltered in place. `stride` is the byte distance to the corresponding byte of the previous
// pixel. Raises EInvalidGraphicOperation for an unknown filter type.
void UnfilterRows(std::span<std::uint8_t> rows, std::size_t rowBytes, std::size_t rowCount, std::size_t stride);

}  // namespace Png
