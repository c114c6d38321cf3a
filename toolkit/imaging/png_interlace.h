#pragma once
// The passes of a PNG image: one for a plain image, the seven of Adam7 for an interlaced one.
#include <cstdint>
#include <vector>

#include "toolkit/imaging/png_header.h"

namespace Png {

// A pass holds the pixels at (XStart + i * XStep, YStart + j * YStep); Width and Height count them
// and may be zero for a small interlaced image, whose pass then has no rows at all.
struct TPass {
    std::uint32_t XStart = 0;
    std::uint32_t YStart = 0;
    std::uint32_t XStep = 1;
    std::uint32_t YStep = 1;
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
};

std::vector<TPass> PassesOf(const THeader& header);

// Bytes of decompressed data all passes take together, with each row's filter type byte.
std::size_t FilteredDataSize(const THeader& header, const std::vector<TPass>& passes);

}  // namespace Png
