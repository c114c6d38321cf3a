// Keyed drawing: which destination pixels a bitmap replaces, scaled and unscaled.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "controls/animation/stretch_draw_transparent.h"
#include "tests/animation/pixels.h"

namespace {

constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;

// A 2 x 2 bitmap: red green / blue red.
void MakeSource(TBitmap& source) {
    source.SetSize(2, 2);
    std::uint32_t* bits = source.Bits();
    bits[0] = kRed;
    bits[1] = kGreen;
    bits[2] = kBlue;
    bits[3] = kRed;
}

void FillGrey(TBitmap& destination, int size) {
    destination.SetSize(size, size);
    destination.Canvas().FillRect({0, 0, size, size}, MakeRGB(0x80, 0x80, 0x80));
}

std::string RowsOf(const TPixels& pixels) {
    std::string text;
    for (int y = 0; y < pixels.Height; ++y) {
        for (int x = 0; x < pixels.Width; ++x) text += HexPixel(pixels.At(x, y)) + " ";
        text += "/ ";
    }
    return text;
}

struct TKeyedCase {
    const char* Name;
    int Left, Top, Width, Height;
    TRect Source;
    TColor Key;
    std::vector<std::uint32_t> Want;  // 4 x 4 destination
};

TEST(StretchDrawTransparent, ReplacesOnlyPixelsWithoutTheKey) {
    const std::uint32_t G = kGrey, R = kRed, N = kGreen, B = kBlue;
    const TKeyedCase rows[] = {
        {"no key: plain copy", 1, 1, 2, 2, {}, clNone, {G, G, G, G, G, R, N, G, G, B, R, G, G, G, G, G}},
        {"red key", 1, 1, 2, 2, {}, MakeRGB(255, 0, 0), {G, G, G, G, G, G, N, G, G, B, G, G, G, G, G, G}},
        {"size below 1 is the bitmap's", 2, 0, 0, -1, {}, MakeRGB(255, 0, 0),
         {G, G, G, N, G, G, B, G, G, G, G, G, G, G, G, G}},
        {"clDefault keys the bottom-left pixel", 0, 0, 2, 2, {}, clDefault,
         {R, N, G, G, G, R, G, G, G, G, G, G, G, G, G, G}},
        {"doubled without blending", 0, 0, 4, 4, {}, MakeRGB(255, 0, 0),
         {G, G, N, N, G, G, N, N, B, B, G, G, B, B, G, G}},
        {"source rectangle", 0, 0, 2, 1, {1, 0, 2, 2}, MakeRGB(255, 0, 0),
         {N, N, G, G, G, G, G, G, G, G, G, G, G, G, G, G}},
    };
    for (const TKeyedCase& row : rows) {
        TBitmap source;
        MakeSource(source);
        TBitmap destination;
        FillGrey(destination, 4);
        StretchDrawTransparent(destination.Canvas(), row.Left, row.Top, row.Width, row.Height, row.Source, source,
                               row.Key);
        TPixels got = PixelsOf(destination);
        EXPECT_EQ(got.Words, row.Want) << row.Name << "\n got:  " << RowsOf(got)
                                       << "\n want: " << RowsOf(TPixels{4, 4, row.Want});
    }
}

TEST(StretchDrawTransparent, HoldsTheBitmapsLockWhileDrawing) {
    TBitmap source;
    MakeSource(source);
    TBitmap destination;
    FillGrey(destination, 4);
    std::unique_lock held(source.Canvas().Lock());
    std::atomic<bool> drawn{false};
    std::thread other([&] {
        StretchDrawTransparent(destination.Canvas(), 0, 0, 2, 2, {}, source, MakeRGB(255, 0, 0));
        drawn = true;
    });
    Sleep(100);
    EXPECT_FALSE(drawn) << "the draw waits for the bitmap's lock";
    held.unlock();
    other.join();
    EXPECT_TRUE(drawn);
}

}  // namespace
