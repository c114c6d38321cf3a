#include "controls/buttons/shading/color_shading.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

TSystemColorLookup systemColorLookup = nullptr;

constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }

// Half-way values go to the even neighbour, as the platform's own rounding does.
std::uint8_t RoundToByte(double value) { return static_cast<std::uint8_t>(std::nearbyint(value)); }

std::uint8_t ChannelByte(double channel) { return RoundToByte(std::min(channel, 1.0) * 255.0); }

}  // namespace

void SetSystemColorLookup(TSystemColorLookup lookup) { systemColorLookup = lookup; }

TColor ResolveColor(TColor color) {
    if (!IsSystemColor(color)) return color & 0x00FFFFFFu;
    if (!systemColorLookup) throw std::logic_error("no system colour table to resolve a system colour");
    return systemColorLookup(static_cast<int>(color & 0xFF)) & 0x00FFFFFFu;
}

THsl240 RgbToHsl240(TColor color) {
    TColor rgb = ResolveColor(color);
    double r = RedOf(rgb) / 255.0, g = GreenOf(rgb) / 255.0, b = BlueOf(rgb) / 255.0;
    double max = std::max(std::max(r, g), b);
    double min = std::min(std::min(r, g), b);
    double l = (max + min) / 2;
    double h = 0, s = 0;
    if (max != min) {
        double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        if (r == max) h = (g - b) / d;
        else if (g == max) h = (b - r) / d + 2;
        else h = (r - g) / d + 4;
        h /= 6;
        if (h < 0) h += 1;
    }
    return {RoundToByte(240 * h), RoundToByte(240 * s), RoundToByte(240 * l)};
}

// The hue divides by 239, not 240: pure green comes back as RGB(0, 255, 2), as the shades
// this look was designed with do.
TColor Hsl240ToRgb(std::uint8_t hue, std::uint8_t saturation, std::uint8_t lightness) {
    double h = hue / 239.0, s = saturation / 240.0, l = lightness / 240.0;
    double v = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (v <= 0) return MakeRGB(0, 0, 0);
    double m = 2 * l - v;
    double sv = (v - m) / v;
    h *= 6;
    int sextant = static_cast<int>(h);
    double f = h - sextant;
    double t = v * sv * f;
    double up = m + t, down = v - t;
    double r = v, g = up, b = m;  // sextant 0, and 6 or more
    switch (sextant) {
    case 1: r = down; g = v; b = m; break;
    case 2: r = m; g = v; b = up; break;
    case 3: r = m; g = down; b = v; break;
    case 4: r = up; g = m; b = v; break;
    case 5: r = v; g = m; b = down; break;
    default: break;
    }
    return MakeRGB(ChannelByte(r), ChannelByte(g), ChannelByte(b));
}

TColor Hsl240ToRgb(THsl240 hsl) { return Hsl240ToRgb(hsl.H, hsl.S, hsl.L); }

TColor DarkenBy(TColor color, std::uint8_t amount) {
    THsl240 hsl = RgbToHsl240(color);
    return Hsl240ToRgb(hsl.H, hsl.S, static_cast<std::uint8_t>(std::max(hsl.L - amount, 0)));
}

TColor LightenBy(TColor color, std::uint8_t amount) {
    THsl240 hsl = RgbToHsl240(color);
    return Hsl240ToRgb(hsl.H, hsl.S, static_cast<std::uint8_t>(std::min(hsl.L + amount, 255)));
}

TColor MixColors(TColor first, TColor second, std::uint8_t weight) {
    TColor a = ResolveColor(first), b = ResolveColor(second);
    const float x = weight / 255.0f;  // the weight is held in single precision
    auto mix = [x](std::uint8_t p, std::uint8_t q) {
        return RoundToByte(p * static_cast<double>(x) + q * (1.0 - static_cast<double>(x)));
    };
    return MakeRGB(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

bool ColorsNearlySame(TColor first, TColor second) {
    THsl240 a = RgbToHsl240(first), b = RgbToHsl240(second);
    return std::abs(a.H - b.H) < 20 && std::abs(a.L - b.L) < 60;
}

TColor OppositeHue(TColor color, std::uint8_t lightness) {
    std::uint8_t h = RgbToHsl240(color).H;
    std::uint8_t opposite = static_cast<std::uint8_t>(h < 120 ? h + 120 : h - 120);
    return Hsl240ToRgb(opposite, 240, lightness);
}
