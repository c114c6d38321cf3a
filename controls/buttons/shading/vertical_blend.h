#pragma once
// The rows of a vertical colour run, in 16.16 fixed point: the bottom row has exactly the bottom
// colour and each row above adds one step, so the top row falls one step short of the top
// colour. Consecutive rows of one colour form a band, filled with one rectangle. Portable.
#include <vector>

#include "toolkit/color_value.h"

struct TBlendBand {
    int Top = 0;     // first row, counted from the top of the run
    int Height = 0;  // rows in the band
    TColor Color = 0;
    bool operator==(const TBlendBand&) const = default;
};

// The bands over height rows, from the bottom band upward; none when height is 0 or less.
// System colours are resolved first.
std::vector<TBlendBand> VerticalBlendBands(TColor top, TColor bottom, int height);
