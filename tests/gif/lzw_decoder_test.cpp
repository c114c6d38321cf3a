// The LZW decoder on hand-packed code sequences: clear codes, width growth, the KwKwK case,
// interlaced rows, damaged data.
#include <gtest/gtest.h>

#include <bit>

#include "controls/animation/gif/frame_decoder.h"
#include "controls/animation/gif/lzw_encoder.h"
#include "tests/gif/gif_test_support.h"
#include "toolkit/exceptions.h"

namespace {

// A frame of the given size with a grey table of 2^bitsPerPixel entries.
TGIFItem Frame(int width, int height, int bitsPerPixel, TBytes data) {
    TGIFItem item;
    item.FrameWidth = static_cast<std::uint16_t>(width);
    item.FrameHeight = static_cast<std::uint16_t>(height);
    item.BitsPerPixel = bitsPerPixel;
    for (int i = 0; i < (1 << bitsPerPixel); ++i) {
        auto grey = static_cast<std::uint8_t>(i);
        item.ColorTable.Entries.push_back({grey, grey, grey});
    }
    item.ImageData = std::move(data);
    return item;
}

// All indexes of a decoded frame, rows concatenated top first.
TBytes Pixels(const TDecodedFrame& decoded) {
    TBytes pixels;
    for (const TBytes& row : IndexRowsOf(decoded.BitmapFile)) pixels.insert(pixels.end(), row.begin(), row.end());
    return pixels;
}

struct TDecodeCase {
    const char* Name;
    int Width, Height, BitsPerPixel;
    TBytes Data;
    TBytes Want;
    bool Corrupted;
};

std::vector<TDecodeCase> DecodeCases() {
    // Code size 2: clear 4, end 5, first free 6.
    return {
        {"literal codes", 4, 1, 2, PackCodes(2, {{4, 3}, {0, 3}, {1, 3}, {2, 3}, {3, 4}, {5, 4}}), {0, 1, 2, 3}, false},
        {"KwKwK: code being defined", 3, 1, 2, PackCodes(2, {{4, 3}, {1, 3}, {6, 3}, {5, 3}}), {1, 1, 1}, false},
        {"defined code reused", 6, 1, 2,
         PackCodes(2, {{4, 3}, {2, 3}, {3, 3}, {6, 3}, {7, 4}, {5, 4}}), {2, 3, 2, 3, 3, 2}, false},
        {"clear code in the middle resets width and table", 4, 1, 2,
         PackCodes(2, {{4, 3}, {1, 3}, {1, 3}, {1, 3}, {4, 4}, {2, 3}, {5, 3}}), {1, 1, 1, 2}, false},
        {"two clear codes in a row", 2, 1, 2, PackCodes(2, {{4, 3}, {4, 3}, {3, 3}, {0, 3}, {5, 3}}), {3, 0}, false},
        {"no clear code at the start", 2, 1, 2, PackCodes(2, {{1, 3}, {1, 3}, {5, 4}}), {1, 1}, false},
        {"no end code", 2, 1, 2, PackCodes(2, {{4, 3}, {2, 3}, {3, 3}}), {2, 3}, false},
        {"pixels after the last row ignored", 2, 1, 2, PackCodes(2, {{4, 3}, {1, 3}, {6, 3}, {7, 3}, {5, 4}}),
         {1, 1}, false},
        {"index masked to the frame's bits", 2, 1, 1, PackCodes(2, {{4, 3}, {3, 3}, {2, 3}, {5, 3}}), {1, 0}, false},
        // The padding bits after the last code still give two codes of index 0.
        {"data ends before the last row", 8, 1, 2, PackCodes(2, {{4, 3}, {1, 3}, {2, 3}}),
         {1, 2, 0, 0, 0, 0, 0, 0}, true},
        {"end code before the last row", 4, 1, 2, PackCodes(2, {{4, 3}, {1, 3}, {5, 3}, {2, 3}}), {1, 0, 0, 0}, false},
        {"only the code size byte", 2, 1, 2, {0x02}, {0, 0}, true},
        {"empty first sub-block", 2, 1, 2, {0x02, 0x00, 0x01, 0xFF}, {0, 0}, true},
        {"sub-block longer than the data", 2, 1, 2, {0x02, 0x09, 0x0C}, {1, 0}, true},
        {"code size 1 clamped to 2: corrupt at the first code after the clear", 4, 1, 2,
         PackCodes(1, {{4, 3}, {1, 3}, {2, 3}, {5, 3}}), {1, 0, 0, 0}, true},
        {"code size 12 clamped to 9", 2, 1, 8, PackCodes(12, {{512, 10}, {7, 10}, {8, 10}, {513, 10}}), {7, 0}, true},
        {"code size 9", 2, 1, 8, PackCodes(9, {{512, 10}, {7, 10}, {8, 10}, {513, 10}}), {7, 8}, false},
        {"zero-width frame", 0, 3, 2, PackCodes(2, {{4, 3}, {1, 3}, {5, 3}}), {}, false},
    };
}

TEST(LZWDecoder, DecodesCodeSequences) {
    std::vector<TDecodeCase> cases = DecodeCases();
    for (std::size_t row = 0; row < cases.size(); ++row) {
        const TDecodeCase& c = cases[row];
        TDecodedFrame decoded = DecodeFrame(Frame(c.Width, c.Height, c.BitsPerPixel, c.Data), false);
        EXPECT_EQ(Hex(Pixels(decoded)), Hex(c.Want)) << "row " << row << " (" << c.Name << ")";
        EXPECT_EQ(decoded.Corrupted, c.Corrupted) << "row " << row << " (" << c.Name << ")";
    }
}

// The width the decoder reads the k-th code after a clear with (k from 1), code size 2: codes are
// defined from the second one on, and the width covers the next code to be defined.
int WidthOfCode(int k) {
    int nextFree = k == 1 ? 6 : std::min(6 + k - 2, 4096);
    return std::min(12, std::max(3, static_cast<int>(std::bit_width(static_cast<unsigned>(nextFree)))));
}

TEST(LZWDecoder, WidthGrowsToTwelveAndStaysWhenTheTableIsFull) {
    const int count = 5000;  // more codes than the table holds
    std::vector<TCode> codes = {{4, 3}};
    TBytes want;
    for (int k = 1; k <= count; ++k) {
        codes.push_back({k % 4, WidthOfCode(k)});
        want.push_back(static_cast<std::uint8_t>(k % 4));
    }
    EXPECT_EQ(WidthOfCode(count), 12);
    codes.push_back({5, 12});
    TDecodedFrame decoded = DecodeFrame(Frame(count, 1, 2, PackCodes(2, codes)), false);
    EXPECT_FALSE(decoded.Corrupted);
    TBytes got = Pixels(decoded);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        ASSERT_EQ(got[i], want[i]) << "pixel " << i << " (code width " << WidthOfCode(static_cast<int>(i) + 1) << ")";
    }
}

TEST(LZWDecoder, InterlacedRowsComeInFourPasses) {
    // Rows of a 1 x 10 frame arrive as 0, 8 | 4 | 2, 6 | 1, 3, 5, 7, 9.
    const std::vector<int> arrivalOrder = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9};
    TBytes streamOrder;
    for (int i = 0; i < 10; ++i) streamOrder.push_back(static_cast<std::uint8_t>(i));
    TDecodedFrame decoded = DecodeFrame(Frame(1, 10, 8, EncodeLZW(streamOrder, 8)), true);
    TBytes got = Pixels(decoded);
    ASSERT_EQ(got.size(), 10u);
    for (std::size_t i = 0; i < arrivalOrder.size(); ++i)
        EXPECT_EQ(got[static_cast<std::size_t>(arrivalOrder[i])], i) << "stream row " << i;
}

TEST(LZWDecoder, InterlacedPassesWithoutRowsAreSkipped) {
    // 2 rows: pass 1 gives row 0, passes 2 and 3 have none, pass 4 gives row 1.
    TDecodedFrame decoded = DecodeFrame(Frame(2, 2, 8, EncodeLZW(TBytes{1, 2, 3, 4}, 8)), true);
    EXPECT_EQ(Hex(Pixels(decoded)), Hex({1, 2, 3, 4}));
}

// Codes that make entries 6 and 7 point at each other: the chain never ends.
TBytes LoopingChain() {
    return PackCodes(2, {{4, 3}, {7, 3}, {6, 3}, {1, 3}, {6, 4}, {5, 4}});
}

TEST(LZWDecoder, EndlessChainStopsAsCorrupt) {
    TDecodedFrame decoded = DecodeFrame(Frame(64, 64, 2, LoopingChain()), false);
    EXPECT_TRUE(decoded.Corrupted);
    TBytes got = Pixels(decoded);
    TBytes firstRowStart(got.begin(), got.begin() + 5);
    EXPECT_EQ(Hex(firstRowStart), Hex({3, 0, 0, 3, 1})) << "pixels before the damage are kept";
}

struct TStrictCase {
    const char* Name;
    TBytes Data;
    std::string Message;
};

TEST(LZWDecoder, StrictModeRaisesTheDamage) {
    TStrictMode strict;
    const std::vector<TStrictCase> cases = {
        {"code size 1", PackCodes(1, {{4, 3}, {1, 3}, {5, 3}}), "GIF code size not in range 2 to 9"},
        {"code size 10", PackCodes(10, {{4, 3}, {1, 3}, {5, 3}}), "GIF code size not in range 2 to 9"},
        {"endless chain", LoopingChain(), "GIF encoded data is corrupt"},
        {"data ends early", PackCodes(2, {{4, 3}, {1, 3}}), "Stream read error"},
    };
    for (std::size_t row = 0; row < cases.size(); ++row) {
        try {
            DecodeFrame(Frame(64, 64, 2, cases[row].Data), false);
            ADD_FAILURE() << "row " << row << " (" << cases[row].Name << "): decoded";
        } catch (const EInvalidGraphicOperation& e) {
            EXPECT_EQ(e.Message(), cases[row].Message) << "row " << row << " (" << cases[row].Name << ")";
        }
    }
}

TEST(LZWDecoder, RoundTripsTheEncoderAcrossTableResets) {
    TBytes pixels(300 * 200);
    std::uint32_t seed = 12345;
    for (std::uint8_t& pixel : pixels) {
        seed = seed * 1103515245u + 12345u;
        pixel = static_cast<std::uint8_t>((seed >> 16) % 7 == 0 ? (seed >> 8) & 0x3F : pixel / 2);
    }
    TDecodedFrame decoded = DecodeFrame(Frame(300, 200, 6, EncodeLZW(pixels, 6)), false);
    EXPECT_FALSE(decoded.Corrupted);
    EXPECT_TRUE(Pixels(decoded) == pixels);
}

struct TProgressEvent {
    TProgressStage Stage;
    int Percent;
    std::string Message;
};

TEST(LZWDecoder, ReportsProgressFromStartToEnd) {
    std::vector<TProgressEvent> events;
    auto record = [&](TProgressStage stage, int percent, const std::string& message) {
        events.push_back({stage, percent, message});
    };
    TBytes pixels(64 * 64);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>((i * 7919) % 251);
    DecodeFrame(Frame(64, 64, 8, EncodeLZW(pixels, 8)), false, record);
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events.front().Stage, TProgressStage::psStarting);
    EXPECT_EQ(events.back().Stage, TProgressStage::psEnding);
    EXPECT_EQ(events.back().Percent, 100);
    EXPECT_EQ(events.back().Message, "");
    for (std::size_t i = 2; i + 1 < events.size(); ++i) {
        EXPECT_EQ(events[i].Stage, TProgressStage::psRunning);
        EXPECT_GT(events[i].Percent, events[i - 1].Percent) << "event " << i;
    }
}

TEST(LZWDecoder, ReportsTheFailureMessageAtTheEnd) {
    TStrictMode strict;
    std::vector<TProgressEvent> events;
    auto record = [&](TProgressStage stage, int percent, const std::string& message) {
        events.push_back({stage, percent, message});
    };
    EXPECT_THROW(DecodeFrame(Frame(64, 64, 2, LoopingChain()), false, record), EInvalidGraphicOperation);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().Stage, TProgressStage::psEnding);
    EXPECT_EQ(events.back().Message, "GIF encoded data is corrupt");
}

}  // namespace
