#pragma once
// Tiny GIF streams for the animation tests, built from commented pieces: a logical screen with a
// global table of four colours, a looping extension, and frames each preceded by a graphic
// control extension.
#include <cstdint>
#include <vector>

#include "toolkit/color_value.h"

using TBytes = std::vector<std::uint8_t>;

// The global colour table's four entries.
enum TTestIndex : std::uint8_t { tiWhite = 0, tiRed = 1, tiGreen = 2, tiBlue = 3 };
inline constexpr TColor kTestColors[4] = {MakeRGB(255, 255, 255), MakeRGB(255, 0, 0), MakeRGB(0, 255, 0),
                                          MakeRGB(0, 0, 255)};

struct TTestFrame {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Indexes;  // Width x Height colour indexes, top row first
    int Disposal = 1;
    int TransparentIndex = -1;  // -1: no transparent colour
    std::uint16_t Delay = 10;   // hundredths of a second
};

// A frame of one colour.
TTestFrame FilledFrame(int left, int top, int width, int height, std::uint8_t index, int disposal = 1);

// A GIF89a of width x height holding the frames.
TBytes TestGif(int width, int height, const std::vector<TTestFrame>& frames);
