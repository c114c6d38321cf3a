// Blending straight alpha over an opaque background.
#include <gtest/gtest.h>

#include "toolkit/imaging/alpha_blend.h"

namespace {

struct TBlendCase {
    std::uint8_t Source;
    std::uint8_t Alpha;
    std::uint8_t Background;
    std::uint8_t Want;
};

// Want = (source * alpha + background * (255 - alpha) + 127) / 255, worked out by hand.
const TBlendCase BlendCases[] = {
    {200, 0, 17, 17},      // transparent: the background alone
    {200, 255, 17, 200},   // opaque: the source alone
    {255, 128, 0, 128},    // 32640 + 127 = 32767 -> 128
    {0, 128, 255, 127},    // 32385 + 127 = 32512 -> 127
    {255, 1, 0, 1},        // 255 + 127 -> 1
    {0, 254, 255, 1},      // 255 + 127 -> 1
    {100, 51, 240, 212},   // 5100 + 48960 + 127 = 54187 -> 212
    {240, 204, 212, 234},  // 48960 + 10812 + 127 = 59899 -> 234
    {128, 64, 128, 128},   // the same colour on both sides stays
};

TEST(AlphaBlend, Channel) {
    for (std::size_t row = 0; row < std::size(BlendCases); ++row) {
        const TBlendCase& test = BlendCases[row];
        EXPECT_EQ(int{BlendChannel(test.Source, test.Alpha, test.Background)}, int{test.Want})
            << "row " << row << ": source " << int{test.Source} << " alpha " << int{test.Alpha} << " background "
            << int{test.Background};
    }
}

TEST(AlphaBlend, ImageOverButtonFace) {
    const TRgb buttonFace{240, 240, 240};
    const TPngImage image{3, 1, {255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 128}};
    const TPngImage blended = BlendOverBackground(image, buttonFace);
    const std::vector<std::uint8_t> want = {255, 0, 0, 255, 240, 240, 240, 255, 120, 120, 120, 255};
    EXPECT_EQ(blended.Width, 3u);
    EXPECT_EQ(blended.Height, 1u);
    EXPECT_EQ(blended.Pixels, want);
}

}  // namespace
