#include "toolkit/imaging/png_interlace.h"

#include <array>

namespace Png {
namespace {

// Adam7: the start and step of each pass, as X start, Y start, X step, Y step.
constexpr std::array<std::array<std::uint32_t, 4>, 7> Adam7 = {{
    {0, 0, 8, 8},
    {4, 0, 8, 8},
    {0, 4, 4, 8},
    {2, 0, 4, 4},
    {0, 2, 2, 4},
    {1, 0, 2, 2},
    {0, 1, 1, 2},
}};

std::uint32_t CountOnAxis(std::uint32_t size, std::uint32_t start, std::uint32_t step) {
    return size > start ? (size - start + step - 1) / step : 0;
}

}  // namespace

std::vector<TPass> PassesOf(const THeader& header) {
    if (!header.Interlaced) {
        return {TPass{0, 0, 1, 1, header.Width, header.Height}};
    }
    std::vector<TPass> passes;
    for (const auto& [xStart, yStart, xStep, yStep] : Adam7) {
        passes.push_back(TPass{xStart, yStart, xStep, yStep, CountOnAxis(header.Width, xStart, xStep),
                               CountOnAxis(header.Height, yStart, yStep)});
    }
    return passes;
}

std::size_t FilteredDataSize(const THeader& header, const std::vector<TPass>& passes) {
    std::size_t total = 0;
    for (const TPass& pass : passes) {
        if (pass.Width != 0) {
            total += std::size_t{pass.Height} * (1 + RowBytes(header, pass.Width));
        }
    }
    return total;
}

}  // namespace Png
