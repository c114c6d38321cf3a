// The BMP file a frame decodes into: headers, palette, depth and row packing.
#include <gtest/gtest.h>

#include "controls/animation/gif/frame_bitmap.h"
#include "controls/animation/gif/frame_decoder.h"
#include "controls/animation/gif/lzw_encoder.h"
#include "tests/gif/gif_test_support.h"
#include "toolkit/exceptions.h"

namespace {

TGIFItem Frame(int width, int height, int bitsPerPixel, int tableCount, const TBytes& indexes) {
    TGIFItem item;
    item.FrameWidth = static_cast<std::uint16_t>(width);
    item.FrameHeight = static_cast<std::uint16_t>(height);
    item.BitsPerPixel = bitsPerPixel;
    for (int i = 0; i < tableCount; ++i) {
        auto value = static_cast<std::uint8_t>(i + 1);
        item.ColorTable.Entries.push_back(
            {value, static_cast<std::uint8_t>(value + 0x10), static_cast<std::uint8_t>(value + 0x20)});
    }
    item.ImageData = EncodeLZW(indexes, std::max(2, bitsPerPixel));
    return item;
}

TBytes Slice(const TBytes& bytes, std::size_t from, std::size_t count) {
    return TBytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                  bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

TEST(FrameBitmap, HeadersOfAOneBitFrame) {
    TDecodedFrame decoded = DecodeFrame(Frame(10, 2, 1, 2, TBytes(20, 1)), false);
    const TBytes want = {
        'B',  'M',                           // signature
        0x46, 0,    0,    0,                 // file size: 54 + 8 palette + 2 rows of 4 bytes = 70
        0,    0,    0,    0,                 // reserved
        0x3E, 0,    0,    0,                 // pixel offset 54 + 4 * 2
        0x28, 0,    0,    0,                 // information header size 40
        0x0A, 0,    0,    0,                 // width 10
        0x02, 0,    0,    0,                 // height 2, bottom row first
        0x01, 0,                             // 1 plane
        0x01, 0,                             // 1 bit per pixel
        0,    0,    0,    0,                 // no compression
        0x08, 0,    0,    0,                 // pixel bytes
        0,    0,    0,    0,    0, 0, 0, 0,  // resolution
        0,    0,    0,    0,    0, 0, 0, 0,  // colours used, important: all
        0x21, 0x11, 0x01, 0x00,              // palette 0: blue, green, red, 0
        0x22, 0x12, 0x02, 0x00,              // palette 1
    };
    ASSERT_EQ(decoded.BitmapFile.size(), 70u);
    EXPECT_EQ(Hex(Slice(decoded.BitmapFile, 0, want.size())), Hex(want));
}

TEST(FrameBitmap, PaletteEntriesBeyondTheTableAre128) {
    // 3 bits per pixel give depth 4: 16 entries, of which the table fills 5.
    TDecodedFrame decoded = DecodeFrame(Frame(1, 1, 3, 5, {0}), false);
    for (std::size_t entry = 0; entry < 16; ++entry) {
        TBytes got = Slice(decoded.BitmapFile, 54 + 4 * entry, 4);
        auto value = static_cast<std::uint8_t>(entry + 1);
        TBytes want = entry < 5 ? TBytes{static_cast<std::uint8_t>(value + 0x20),
                                         static_cast<std::uint8_t>(value + 0x10), value, 0}
                                : TBytes{128, 128, 128, 128};
        EXPECT_EQ(Hex(got), Hex(want)) << "palette entry " << entry;
    }
}

struct TPackingCase {
    const char* Name;
    int BitsPerPixel;
    TBytes Indexes;  // one row
    int Depth;
    TBytes Row;  // the row's bytes with padding
};

TEST(FrameBitmap, DepthAndPackingFollowBitsPerPixel) {
    const std::vector<TPackingCase> cases = {
        {"1 bit: most significant bit first", 1, {1, 0, 1, 1, 0, 0, 0, 0, 1, 1}, 1, {0xB0, 0xC0, 0x00, 0x00}},
        {"2 bits: depth 4, high nibble first", 2, {1, 2, 3}, 4, {0x12, 0x30, 0x00, 0x00}},
        {"4 bits: depth 4", 4, {15, 0, 9, 10, 11}, 4, {0xF0, 0x9A, 0xB0, 0x00}},
        {"5 bits: depth 8", 5, {31, 1, 2, 3, 4}, 8, {31, 1, 2, 3, 4, 0, 0, 0}},
        {"8 bits: depth 8", 8, {255, 128, 7, 0}, 8, {255, 128, 7, 0}},
    };
    for (std::size_t row = 0; row < cases.size(); ++row) {
        const TPackingCase& c = cases[row];
        int width = static_cast<int>(c.Indexes.size());
        TDecodedFrame decoded =
            DecodeFrame(Frame(width, 1, c.BitsPerPixel, 1 << c.BitsPerPixel, c.Indexes), false);
        EXPECT_EQ(decoded.BitmapFile[28], c.Depth) << "row " << row << " (" << c.Name << ")";
        std::size_t offset = 54 + (std::size_t{4} << c.Depth);
        EXPECT_EQ(Hex(Slice(decoded.BitmapFile, offset, decoded.BitmapFile.size() - offset)), Hex(c.Row))
            << "row " << row << " (" << c.Name << ")";
    }
}

TEST(FrameBitmap, BottomRowComesFirst) {
    TDecodedFrame decoded = DecodeFrame(Frame(1, 3, 8, 256, {7, 8, 9}), false);
    std::size_t offset = 54 + 1024;
    TBytes rows = Slice(decoded.BitmapFile, offset, 12);
    EXPECT_EQ(Hex(rows), Hex({9, 0, 0, 0, 8, 0, 0, 0, 7, 0, 0, 0}));
}

TEST(FrameBitmap, FrameWithoutColoursIsRefused) {
    TGIFItem item = Frame(2, 2, 1, 2, TBytes(4, 0));
    item.BitsPerPixel = 0;
    item.ColorTable.Entries.clear();
    try {
        DecodeFrame(item, false);
        FAIL() << "decoded a frame without colours";
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), "Wrong number of colors; must be a power of 2");
    }
}

TEST(FrameBitmap, ColourCountMustBeAPowerOfTwo) {
    const std::vector<std::pair<int, int>> good = {{2, 1},  {4, 2},  {8, 3},   {16, 4},
                                                   {32, 5}, {64, 6}, {128, 7}, {256, 8}};
    for (auto [count, bits] : good) EXPECT_EQ(BitsPerPixelForColorCount(count), bits) << "count " << count;
    for (int count : {0, 1, 3, 6, 255, 257, 512}) {
        EXPECT_THROW(BitsPerPixelForColorCount(count), EInvalidGraphicOperation) << "count " << count;
    }
}

TEST(FrameBitmap, FrameWithoutDataStaysEmpty) {
    TGIFItem item = Frame(2, 2, 1, 2, TBytes(4, 0));
    item.ImageData.clear();
    TDecodedFrame decoded = DecodeFrame(item, false);
    EXPECT_TRUE(decoded.BitmapFile.empty());
    EXPECT_FALSE(decoded.Corrupted);
}

TEST(FrameBitmap, FrameTooLargeToHoldIsRefused) {
    TGIFItem item = Frame(1, 1, 8, 256, {0});
    item.FrameWidth = 65535;
    item.FrameHeight = 65535;
    EXPECT_THROW(DecodeFrame(item, false), EOutOfResources);
}

}  // namespace
