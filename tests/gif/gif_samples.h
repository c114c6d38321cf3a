#pragma once
// Pieces of tiny GIF streams, each byte commented, for the reader's tests.
#include <string>

#include "tests/gif/gif_test_support.h"

// "GIF89a".
extern const TBytes kHeader89a;
// Logical screen 2 x 2 with a global table of 2 colours, background index 1.
extern const TBytes kScreen2x2;
// The 2 colours of kScreen2x2's table: index 0 is 10 20 30, index 1 is F0 E0 D0.
extern const TBytes kTwoColors;
// A 2 x 2 image at (0, 0) without a local table, all four pixels index 1.
extern const TBytes kImage2x2;

// A graphic control extension.
TBytes GraphicControl(std::uint8_t packed, std::uint16_t delay, std::uint8_t transparentIndex);
// An application extension with an 11-byte identifier and one sub-block.
TBytes Application(const std::string& identifier, const TBytes& subBlock);
// A comment extension with one sub-block per text.
TBytes Comment(std::initializer_list<std::string> blocks);
// A plain text extension showing "Hi".
TBytes PlainText();
// A GIF89a with kScreen2x2, kTwoColors, the blocks given and the trailer.
TBytes Gif(std::initializer_list<TBytes> blocks);
