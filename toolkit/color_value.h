#pragma once
// The toolkit's colour value, portable so that decoders can produce it: an RGB colour with red
// in the lowest byte, then green, then blue and a zero top byte; a system colour has the top
// byte 0xFF and the system colour number below; palette-relative colours add 0x02000000.
#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;     // no colour of its own
inline constexpr TColor clDefault = 0x20000000;  // the control chooses

constexpr TColor MakeRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return TColor{red} | (TColor{green} << 8) | (TColor{blue} << 16);
}
constexpr std::uint8_t RedOf(TColor c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(TColor c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(TColor c) { return static_cast<std::uint8_t>(c >> 16); }
constexpr TColor PaletteRelative(TColor rgb) { return rgb | 0x02000000; }
