#pragma once
// Turning one unfiltered row of samples into RGBA with 16 bits per channel: unpacking 1, 2 and
// 4-bit samples, looking up the palette, scaling every sample to 0-65535 and applying tRNS.
#include <cstdint>
#include <span>

#include "toolkit/imaging/png_structure.h"

namespace Png {

// `rgba` receives four values per pixel and its size sets the number of pixels read from `row`.
// Raises EInvalidGraphicOperation for a palette index beyond the palette.
void UnpackRow(std::span<const std::uint8_t> row, const TStructure& image, std::span<std::uint16_t> rgba);

}  // namespace Png
