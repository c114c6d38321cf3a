// The busy indicator shipped in resources/busy.gif (and drawn larger in busy48.gif and busy64.gif
// for displays with more pixels per inch): its description, and cut at every length.
#include <gtest/gtest.h>

#include <cmath>

#include "controls/animation/gif/frame_decoder.h"
#include "controls/animation/gif/gif_reader.h"
#include "tests/gif/gif_test_support.h"
#include "toolkit/exceptions.h"

namespace {

TBytes BusyGif(const std::string& name = "busy.gif") {
    return ReadFileBytes(std::string(DBSETUP_SOURCE_DIR) + "/resources/" + name);
}

struct TBusyPicture {
    const char* Name;
    int Size;
};

class BusyGifSizes : public ::testing::TestWithParam<TBusyPicture> {};

INSTANTIATE_TEST_SUITE_P(AllSizes, BusyGifSizes,
                         ::testing::Values(TBusyPicture{"busy.gif", 32}, TBusyPicture{"busy48.gif", 48},
                                           TBusyPicture{"busy64.gif", 64}));

TEST_P(BusyGifSizes, MatchesItsDescription) {
    const int size = GetParam().Size;
    TBytes gif = BusyGif(GetParam().Name);
    ASSERT_FALSE(gif.empty()) << "resources/" << GetParam().Name << " not found";
    EXPECT_EQ(gif.back(), 0x3B) << "ends with the trailer";
    TGIFContent content = Parse(gif);
    EXPECT_EQ(content.Version, TGIFVersion::gv89a);
    EXPECT_EQ(content.LogicalWidth, size);
    EXPECT_EQ(content.LogicalHeight, size);
    EXPECT_EQ(content.Data->GlobalColorTable.Count(), 256);
    EXPECT_EQ(content.Data->ColorResolution, 8);
    EXPECT_EQ(content.Data->AspectRatio, 0);
    EXPECT_EQ(content.BackgroundColor, MakeRGB(255, 255, 255));
    EXPECT_TRUE(content.Looping);
    EXPECT_EQ(content.LoopCount, 0);
    ASSERT_EQ(content.Frames.size(), 12u);
    const TColor index0 = content.Data->GlobalColorTable.ColorOf(0);
    for (std::size_t n = 0; n < content.Frames.size(); ++n) {
        const TGIFFrameRecord& frame = content.Frames[n];
        EXPECT_EQ(frame.Delay, 100u) << "frame " << n;
        EXPECT_EQ(frame.Disposal, 1) << "frame " << n;
        EXPECT_EQ(frame.TransparentColor, index0) << "frame " << n;
        EXPECT_FALSE(frame.LocalColors) << "frame " << n;
        EXPECT_FALSE(frame.Interlaced) << "frame " << n;
        EXPECT_FALSE(frame.Corrupted) << "frame " << n;
        EXPECT_EQ(frame.Item->ImageData.at(0), 8) << "frame " << n << ": LZW minimum code size";
        TDecodedFrame decoded = DecodeFrame(*frame.Item, frame.Interlaced);
        EXPECT_FALSE(decoded.Corrupted) << "frame " << n;
    }
    const TGIFItem& first = *content.Frames[0].Item;
    EXPECT_EQ(first.FrameWidth, size);
    EXPECT_EQ(first.FrameHeight, size);
    for (std::size_t n = 1; n < content.Frames.size(); ++n) {
        const TGIFItem& item = *content.Frames[n].Item;
        EXPECT_LT(item.FrameWidth * item.FrameHeight, size * size)
            << "frame " << n << " covers only what changes";
    }
}

// The darkest grey (index 2) marks the leading spoke; it moves on by 30 degrees clockwise per frame.
TEST_P(BusyGifSizes, LeadingSpokeTurnsClockwiseBy30Degrees) {
    const double centre = GetParam().Size / 2.0;
    TGIFContent content = Parse(BusyGif(GetParam().Name));
    ASSERT_EQ(content.Frames.size(), 12u);
    std::vector<double> angles;  // clockwise from twelve o'clock, in degrees
    for (const TGIFFrameRecord& frame : content.Frames) {
        std::vector<TBytes> rows = IndexRowsOf(DecodeFrame(*frame.Item, false).BitmapFile);
        double sumX = 0, sumY = 0;
        int count = 0;
        for (std::size_t y = 0; y < rows.size(); ++y) {
            for (std::size_t x = 0; x < rows[y].size(); ++x) {
                if (rows[y][x] != 2) continue;
                sumX += static_cast<double>(x) + frame.Origin.Left + 0.5 - centre;
                sumY += static_cast<double>(y) + frame.Origin.Top + 0.5 - centre;
                ++count;
            }
        }
        ASSERT_GT(count, 0);
        angles.push_back(std::atan2(sumX / count, -sumY / count) * 180 / 3.14159265358979);
    }
    for (std::size_t n = 1; n <= angles.size(); ++n) {
        double step = std::fmod(angles[n % angles.size()] - angles[n - 1] + 720, 360);
        EXPECT_NEAR(step, 30, 3) << "from frame " << n - 1;
    }
}

TEST(BusyGif, EveryCutLoadsOrFailsCleanly) {
    TBytes gif = BusyGif();
    ASSERT_FALSE(gif.empty());
    std::size_t loaded = 0;
    for (std::size_t length = 0; length <= gif.size(); ++length) {
        TGIFContent content;
        try {
            ReadGIF(length, gif, content);
            ++loaded;
        } catch (const EInvalidGraphicOperation&) {
            // a clean refusal; the frames read before it are still there to decode
        }
        for (const TGIFFrameRecord& frame : content.Frames) {
            TDecodedFrame decoded = DecodeFrame(*frame.Item, frame.Interlaced);
            EXPECT_EQ(decoded.BitmapFile.empty(), frame.Item->ImageData.empty()) << "cut at " << length;
        }
    }
    EXPECT_GT(loaded, 0u);
}

}  // namespace
