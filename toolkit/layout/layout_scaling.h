#pragma once
// A layout is designed at 96 pixels per inch. On another display its lengths grow with the
// display: client size, bounds and font heights are multiplied by dpi / 96 and rounded as the
// platform's MulDiv rounds, so that a 96-dpi layout stays exactly as stored. Portable.
#include <cstddef>
#include <vector>

#include "toolkit/layout/layout_reader.h"

constexpr int kDesignPixelsPerInch = 96;

// value * numerator / denominator rounded to the nearest whole number, halves away from zero
// (MulDiv's rounding); -1 for a zero denominator or a result outside the int range, as MulDiv.
int MulDivRounded(int value, int numerator, int denominator);

// A design length (a bound or a font height) at dpi pixels per inch.
int ScaleToDpi(int designValue, int dpi);

// Lengths among the properties: ClientWidth, ClientHeight, Left, Top, Width, Height and every
// font height (Font.Height, Style.Font.Height).
bool IsLengthProperty(const std::string& name);

// The property as it applies at dpi: lengths scaled, everything else unchanged.
TLayoutProperty ScaledProperty(const TLayoutProperty& property, int dpi);

// Of pictures drawn at the given sizes (pixels), the index of the one nearest to wanted; on a
// tie the larger, since a picture a little too big is cut at the control's edge while one too
// small leaves a gap. Requires at least one size.
std::size_t NearestPictureSize(const std::vector<int>& sizes, int wanted);

// Of one picture drawn at several sizes, the design size first, the one to show at dpi.
std::size_t PictureForDpi(const std::vector<int>& sizes, int dpi);
