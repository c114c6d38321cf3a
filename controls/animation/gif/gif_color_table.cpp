#include "controls/animation/gif/gif_color_table.h"

#include "controls/animation/gif/gif_errors.h"

TColor TGIFColorTable::ColorOf(int index) const {
    const TGIFRGB& entry = Entries[static_cast<std::size_t>(index)];
    return MakeRGB(entry.Red, entry.Green, entry.Blue);
}

int BitsPerPixelForColorCount(int count) {
    for (int bits = 1; bits <= 8; ++bits) {
        if (count == 1 << bits) return bits;
    }
    throw EInvalidGraphicOperation(kWrongColorCount);
}
