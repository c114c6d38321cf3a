// The busy indicator shipped in resources/busy.gif: its description, and cut at every length.
#include <gtest/gtest.h>

#include <cmath>

#include "controls/animation/gif/frame_decoder.h"
#include "controls/animation/gif/gif_reader.h"
#include "tests/gif/gif_test_support.h"
#include "toolkit/exceptions.h"

namespace {

TBytes BusyGif() { return ReadFileBytes(std::string(DBSETUP_SOURCE_DIR) + "/resources/busy.gif"); }

TEST(BusyGif, MatchesItsDescription) {
    TBytes gif = BusyGif();
    ASSERT_FALSE(gif.empty()) << "resources/busy.gif not found";
    EXPECT_EQ(gif.back(), 0x3B) << "ends with the trailer";
    TGIFContent content = Parse(gif);
    EXPECT_EQ(content.Version, TGIFVersion::gv89a);
    EXPECT_EQ(content.LogicalWidth, 32);
    EXPECT_EQ(content.LogicalHeight, 32);
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
    EXPECT_EQ(first.FrameWidth, 32);
    EXPECT_EQ(first.FrameHeight, 32);
    for (std::size_t n = 1; n < content.Frames.size(); ++n) {
        const TGIFItem& item = *content.Frames[n].Item;
        EXPECT_LT(item.FrameWidth * item.FrameHeight, 32 * 32)
            << "frame " << n << " covers only what changes";
    }
}

// The darkest grey (index 2) marks the leading spoke; it moves on by 30 degrees clockwise per frame.
TEST(BusyGif, LeadingSpokeTurnsClockwiseBy30Degrees) {
    TGIFContent content = Parse(BusyGif());
    ASSERT_EQ(content.Frames.size(), 12u);
    std::vector<double> angles;  // clockwise from twelve o'clock, in degrees
    for (const TGIFFrameRecord& frame : content.Frames) {
        std::vector<TBytes> rows = IndexRowsOf(DecodeFrame(*frame.Item, false).BitmapFile);
        double sumX = 0, sumY = 0;
        int count = 0;
        for (std::size_t y = 0; y < rows.size(); ++y) {
            for (std::size_t x = 0; x < rows[y].size(); ++x) {
                if (rows[y][x] != 2) continue;
                sumX += static_cast<double>(x) + frame.Origin.Left + 0.5 - 16;
                sumY += static_cast<double>(y) + frame.Origin.Top + 0.5 - 16;
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
