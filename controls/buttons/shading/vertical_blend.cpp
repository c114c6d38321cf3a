#include "controls/buttons/shading/vertical_blend.h"

#include <cstdint>

#include "controls/buttons/shading/color_shading.h"

namespace {

struct TChannelRun {
    std::int32_t Base;  // the bottom value in 16.16
    std::int32_t Step;  // per row upward, truncated toward zero

    TChannelRun(std::uint8_t top, std::uint8_t bottom, int height)
        : Base(std::int32_t{bottom} * 65536), Step((std::int32_t{top} * 65536 - Base) / height) {}
    std::uint8_t At(int rowsAboveBottom) const {
        return static_cast<std::uint8_t>((Base + rowsAboveBottom * Step) >> 16);
    }
};

}  // namespace

std::vector<TBlendBand> VerticalBlendBands(TColor top, TColor bottom, int height) {
    std::vector<TBlendBand> bands;
    if (height <= 0) return bands;
    TColor high = ResolveColor(top), low = ResolveColor(bottom);
    TChannelRun red(RedOf(high), RedOf(low), height);
    TChannelRun green(GreenOf(high), GreenOf(low), height);
    TChannelRun blue(BlueOf(high), BlueOf(low), height);
    for (int k = 0; k < height; ++k) {
        TColor color = MakeRGB(red.At(k), green.At(k), blue.At(k));
        int row = height - 1 - k;
        if (!bands.empty() && bands.back().Color == color) {
            bands.back().Top = row;
            ++bands.back().Height;
        } else {
            bands.push_back({row, 1, color});
        }
    }
    return bands;
}
