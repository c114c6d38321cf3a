#pragma once
// A GIF colour table: a count of 0 or 2-256 and that many RGB triples in stream order.
#include <cstdint>
#include <vector>

#include "toolkit/color_value.h"

struct TGIFRGB {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};

struct TGIFColorTable {
    std::vector<TGIFRGB> Entries;

    int Count() const { return static_cast<int>(Entries.size()); }
    bool Contains(int index) const { return index >= 0 && index < Count(); }
    // The toolkit colour of an entry; the caller checks Contains first.
    TColor ColorOf(int index) const;
};

// The bits per pixel a table of this many colours needs: 2 gives 1, 4 gives 2, ... 256 gives 8.
// Any other count fails with "Wrong number of colors; must be a power of 2".
int BitsPerPixelForColorCount(int count);
