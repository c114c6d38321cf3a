// Composing frame n over the frames before it, for each disposal method, fresh and continued
// from the kept composition of frame n - 1.
#include <gtest/gtest.h>

#include "controls/animation/gif_composition.h"
#include "tests/animation/pixels.h"
#include "tests/animation/test_gifs.h"
#include "toolkit/exceptions.h"

namespace {

// Frame 0 red on the whole 4 x 4 screen, frame 1 a green 2 x 2 corner at (0, 0) with the disposal
// under test, frame 2 a blue 2 x 2 corner at (2, 2).
TBytes CornersGif(int secondDisposal) {
    return TestGif(4, 4, {FilledFrame(0, 0, 4, 4, tiRed), FilledFrame(0, 0, 2, 2, tiGreen, secondDisposal),
                          FilledFrame(2, 2, 2, 2, tiBlue)});
}

TPixels Composed(TGIFComposition& composition, TGIFImage& image, int n, TColor* key = nullptr) {
    TColor transparentColor = clNone;
    TPixels pixels = PixelsOf(composition.ComposeFrame(image, n, true, transparentColor));
    if (key) *key = transparentColor;
    return pixels;
}

struct TDisposalCase {
    const char* Name;
    int Disposal;
    TColor Corner;  // what frame 2 shows where frame 1 was
};

const TDisposalCase kDisposalCases[] = {
    {"0 not specified: left in place", 0, kTestColors[tiGreen]},
    {"1 left in place", 1, kTestColors[tiGreen]},
    {"2 restored to the background", 2, clWindow},
    {"3 restored to the previous frame", 3, kTestColors[tiRed]},
    {"4 reserved: nothing drawn", 4, kTestColors[tiRed]},
};

void ExpectThirdFrame(const TPixels& got, const TDisposalCase& row, const char* path) {
    const struct {
        int X, Y;
        TColor Want;
    } probes[] = {{0, 0, row.Corner}, {1, 1, row.Corner}, {3, 0, kTestColors[tiRed]}, {0, 3, kTestColors[tiRed]},
                  {2, 2, kTestColors[tiBlue]}, {3, 3, kTestColors[tiBlue]}};
    for (const auto& probe : probes)
        EXPECT_EQ(HexPixel(got.At(probe.X, probe.Y)), HexPixel(PixelOf(probe.Want)))
            << row.Name << ", " << path << ", pixel (" << probe.X << ", " << probe.Y << ")";
}

TEST(GIFComposition, FrameTwoFollowsTheDisposalOfFrameOne) {
    for (const TDisposalCase& row : kDisposalCases) {
        TGIFImage image;
        image.LoadFromBytes(CornersGif(row.Disposal));
        TGIFComposition fresh;
        ExpectThirdFrame(Composed(fresh, image, 2), row, "composed fresh");
        TGIFComposition stepwise;
        for (int n = 0; n < 2; ++n) Composed(stepwise, image, n);
        ExpectThirdFrame(Composed(stepwise, image, 2), row, "continued from frame 1");
    }
}

TEST(GIFComposition, FrameOneShowsItselfWhateverItsDisposal) {
    for (const TDisposalCase& row : kDisposalCases) {
        TGIFImage image;
        image.LoadFromBytes(CornersGif(row.Disposal));
        TGIFComposition composition;
        TPixels got = Composed(composition, image, 1);
        EXPECT_EQ(HexPixel(got.At(0, 0)), HexPixel(PixelOf(kTestColors[tiGreen]))) << row.Name;
        EXPECT_EQ(HexPixel(got.At(3, 3)), HexPixel(PixelOf(kTestColors[tiRed]))) << row.Name;
    }
}

TEST(GIFComposition, RepaintAndWrapComposeAgain) {
    TGIFImage image;
    image.LoadFromBytes(CornersGif(1));
    TGIFComposition composition;
    for (int n = 0; n < 3; ++n) Composed(composition, image, n);
    TPixels again = Composed(composition, image, 2);
    EXPECT_EQ(HexPixel(again.At(0, 0)), HexPixel(PixelOf(kTestColors[tiGreen])));
    TPixels wrapped = Composed(composition, image, 0);
    EXPECT_EQ(HexPixel(wrapped.At(0, 0)), HexPixel(PixelOf(kTestColors[tiRed]))) << "frame 0 alone";
    EXPECT_EQ(HexPixel(wrapped.At(3, 3)), HexPixel(PixelOf(kTestColors[tiRed])));
}

TEST(GIFComposition, IndexBeyondTheLastFrameShowsTheLast) {
    TGIFImage image;
    image.LoadFromBytes(CornersGif(1));
    TGIFComposition composition;
    EXPECT_EQ(HexPixel(Composed(composition, image, 7).At(3, 3)), HexPixel(PixelOf(kTestColors[tiBlue])));
}

TEST(GIFComposition, TransparentPixelsKeepWhatLiesBelow) {
    TTestFrame holes{0, 0, 2, 2, {tiWhite, tiGreen, tiGreen, tiWhite}, 1, tiWhite};
    TGIFImage image;
    image.LoadFromBytes(TestGif(4, 4, {FilledFrame(0, 0, 4, 4, tiRed), holes}));
    TGIFComposition composition;
    TColor key = MakeRGB(1, 2, 3);
    TPixels got = Composed(composition, image, 1, &key);
    EXPECT_EQ(key, clNone) << "frame 0 has no transparent colour";
    EXPECT_EQ(HexPixel(got.At(0, 0)), "FF0000");
    EXPECT_EQ(HexPixel(got.At(1, 0)), "00FF00");
    EXPECT_EQ(HexPixel(got.At(0, 1)), "00FF00");
    EXPECT_EQ(HexPixel(got.At(1, 1)), "FF0000");
}

TEST(GIFComposition, TransparentFirstFrameGivesTheBackgroundAndTheKey) {
    TTestFrame first = FilledFrame(0, 0, 4, 4, tiWhite);
    first.TransparentIndex = tiWhite;
    first.Indexes[15] = tiBlue;
    TGIFImage image;
    image.LoadFromBytes(TestGif(4, 4, {first, FilledFrame(0, 0, 1, 1, tiRed, 2), FilledFrame(3, 0, 1, 1, tiGreen)}));
    TGIFComposition composition;
    TColor key = clNone;
    TPixels got = Composed(composition, image, 2, &key);
    EXPECT_EQ(key, kTestColors[tiWhite]);
    EXPECT_EQ(HexPixel(got.At(0, 0)), "FFFFFF") << "disposed to the background: the transparent colour";
    EXPECT_EQ(HexPixel(got.At(3, 0)), "00FF00");
    EXPECT_EQ(HexPixel(got.At(3, 3)), "0000FF");
    EXPECT_EQ(HexPixel(got.At(1, 1)), "FFFFFF");
}

TEST(GIFComposition, TheKeptBitmapIsMarkedTransparentOnlyWhenAsked) {
    TTestFrame first = FilledFrame(0, 0, 2, 2, tiBlue);
    first.TransparentIndex = tiWhite;
    TGIFImage image;
    image.LoadFromBytes(TestGif(2, 2, {first}));
    TGIFComposition composition;
    TColor key = clNone;
    EXPECT_EQ(ColorToRGB(composition.ComposeFrame(image, 0, true, key).TransparentColor()),
              ColorToRGB(kTestColors[tiWhite]));
    composition.Drop();
    EXPECT_EQ(composition.ComposeFrame(image, 0, false, key).TransparentColor(), clNone);
    EXPECT_EQ(key, kTestColors[tiWhite]) << "the key is still reported";
}

struct TStartCase {
    const char* Name;
    std::vector<TTestFrame> Frames;
    int N;
    int Want;
};

TTestFrame Keyed(TTestFrame frame) {
    frame.TransparentIndex = tiWhite;
    return frame;
}

TEST(GIFComposition, StartingFrame) {
    const TTestFrame base = FilledFrame(0, 0, 4, 4, tiRed);
    const TTestFrame part = FilledFrame(1, 1, 2, 2, tiGreen);
    const TTestFrame whole = FilledFrame(0, 0, 4, 4, tiBlue);
    const TStartCase rows[] = {
        {"no covering frame after frame 0", {base, part, part}, 2, 0},
        {"opaque covering frame n", {base, part, whole}, 2, 2},
        {"opaque covering frame before n", {base, whole, part}, 2, 1},
        {"the nearest of two", {base, whole, whole, part}, 3, 2},
        {"transparent covering frame n", {base, part, Keyed(whole)}, 2, 0},
        {"transparent covering frame before n, left in place", {base, Keyed(whole), part}, 2, 0},
        {"transparent covering frame before n, disposed to background",
         {base, Keyed(FilledFrame(0, 0, 4, 4, tiBlue, 2)), part}, 2, 1},
        {"transparent covering frame n, disposed to background",
         {base, part, Keyed(FilledFrame(0, 0, 4, 4, tiBlue, 2))}, 2, 0},
        {"screen-sized frame away from the origin", {base, FilledFrame(1, 0, 4, 4, tiBlue), part}, 2, 0},
    };
    for (const TStartCase& row : rows) {
        TGIFImage image;
        image.LoadFromBytes(TestGif(4, 4, row.Frames));
        EXPECT_EQ(StartingFrame(image, row.N), row.Want) << row.Name;
    }
}

// A frame without any colour table cannot be decoded; its composition fails and is forgotten.
TEST(GIFComposition, FailureDropsTheKeptComposition) {
    const TBytes gif = {
        'G', 'I', 'F', '8', '9', 'a',  // signature and version
        0x02, 0x00, 0x01, 0x00,        // logical screen 2 x 1
        0x00, 0x00, 0x00,              // no global table, background 0, no aspect ratio
        0x2C, 0x00, 0x00, 0x00, 0x00,  // image at (0, 0)
        0x02, 0x00, 0x01, 0x00,        // 2 x 1
        0x80,                          // local table of 2 colours
        0xFF, 0x00, 0x00,              //   index 0 red
        0x00, 0x00, 0xFF,              //   index 1 blue
        0x02, 0x02, 0x44, 0x0A, 0x00,  // code size 2; clear, 0, 1, end; terminator
        0x2C, 0x00, 0x00, 0x00, 0x00,  // image at (0, 0)
        0x02, 0x00, 0x01, 0x00,        // 2 x 1
        0x00,                          // no local table either
        0x02, 0x02, 0x44, 0x0A, 0x00,  // the same data
        0x3B,                          // trailer
    };
    TGIFImage image;
    image.LoadFromBytes(gif);
    ASSERT_EQ(image.FrameCount(), 2);
    TGIFComposition composition;
    EXPECT_EQ(HexPixel(Composed(composition, image, 0).At(1, 0)), "0000FF");
    try {
        Composed(composition, image, 1);
        ADD_FAILURE() << "frame 1 cannot be decoded";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_STREQ(error.what(), "Wrong number of colors; must be a power of 2");
    }
    EXPECT_EQ(HexPixel(Composed(composition, image, 0).At(0, 0)), "FF0000") << "composing again works";
}

}  // namespace
