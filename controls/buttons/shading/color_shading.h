#pragma once
// The colour arithmetic every button shade is derived with: hue, saturation and lightness on a
// 0-240 scale, lighter and darker shades, a weighted mix, a closeness test and the opposite hue.
// Portable: system colours are resolved through a lookup the program installs, so the unit
// builds and is tested natively as well.
#include <cstdint>

#include "toolkit/color_value.h"

struct THsl240 {
    std::uint8_t H = 0;
    std::uint8_t S = 0;
    std::uint8_t L = 0;
    bool operator==(const THsl240&) const = default;
};

// The platform's system colour table: index (the low byte of a system colour) to RGB.
using TSystemColorLookup = TColor (*)(int index);
void SetSystemColorLookup(TSystemColorLookup lookup);
// The colour as RGB with a zero top byte. A system colour goes through the installed lookup;
// without one it is refused (std::logic_error), since guessing would paint wrong shades.
TColor ResolveColor(TColor color);

THsl240 RgbToHsl240(TColor color);
// L may go up to 255: above 240 the channels pass 1.0 and are capped, which turns them to white.
TColor Hsl240ToRgb(std::uint8_t h, std::uint8_t s, std::uint8_t l);
TColor Hsl240ToRgb(THsl240 hsl);

TColor DarkenBy(TColor color, std::uint8_t amount);
TColor LightenBy(TColor color, std::uint8_t amount);
// weight is the share of first: 255 gives first, 0 gives second.
TColor MixColors(TColor first, TColor second, std::uint8_t weight);
// Hues closer than 20 and lightnesses closer than 60; the hue does not wrap around.
bool ColorsNearlySame(TColor first, TColor second);
// The hue a third of the circle on, fully saturated, at the given lightness.
TColor OppositeHue(TColor color, std::uint8_t lightness);
