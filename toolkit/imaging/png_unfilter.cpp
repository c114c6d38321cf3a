#include "toolkit/imaging/png_unfilter.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/exceptions.h"

namespace Png {
namespace {

enum class TFilterType : std::uint8_t { ftNone = 0, ftSub = 1, ftUp = 2, ftAverage = 3, ftPaeth = 4 };

std::uint8_t PaethPredictor(int left, int above, int upperLeft) {
    const int estimate = left + above - upperLeft;
    const int toLeft = std::abs(estimate - left);
    const int toAbove = std::abs(estimate - above);
    const int toUpperLeft = std::abs(estimate - upperLeft);
    if (toLeft <= toAbove && toLeft <= toUpperLeft) {
        return static_cast<std::uint8_t>(left);
    }
    return static_cast<std::uint8_t>(toAbove <= toUpperLeft ? above : upperLeft);
}

std::uint8_t Prediction(TFilterType filter, int left, int above, int upperLeft) {
    switch (filter) {
        case TFilterType::ftNone:
            return 0;
        case TFilterType::ftSub:
            return static_cast<std::uint8_t>(left);
        case TFilterType::ftUp:
            return static_cast<std::uint8_t>(above);
        case TFilterType::ftAverage:
            return static_cast<std::uint8_t>((left + above) / 2);
        case TFilterType::ftPaeth:
            return PaethPredictor(left, above, upperLeft);
    }
    return 0;
}

// `previous` is the unfiltered row above, all zeros for the first row.
void UnfilterRow(TFilterType filter, std::span<std::uint8_t> row, std::span<const std::uint8_t> previous,
                 std::size_t stride) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int left = i >= stride ? row[i - stride] : 0;
        const int upperLeft = i >= stride ? previous[i - stride] : 0;
        row[i] = static_cast<std::uint8_t>(row[i] + Prediction(filter, left, previous[i], upperLeft));
    }
}

TFilterType FilterTypeOf(std::uint8_t byte) {
    if (byte > static_cast<std::uint8_t>(TFilterType::ftPaeth)) {
        throw EInvalidGraphicOperation("PNG: invalid filter type " + std::to_string(byte));
    }
    return static_cast<TFilterType>(byte);
}

}  // namespace

void UnfilterRows(std::span<std::uint8_t> rows, std::size_t rowBytes, std::size_t rowCount, std::size_t stride) {
    const std::vector<std::uint8_t> zeroRow(rowBytes, 0);
    std::span<const std::uint8_t> previous = zeroRow;
    for (std::size_t y = 0; y < rowCount; ++y) {
        const auto line = rows.subspan(y * (rowBytes + 1), rowBytes + 1);
        const auto row = line.subspan(1);
        UnfilterRow(FilterTypeOf(line[0]), row, previous, stride);
        previous = row;
    }
}

}  // namespace Png
