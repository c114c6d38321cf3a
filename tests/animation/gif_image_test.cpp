// The GIF image on toolkit bitmaps: loading, lazy decoding, emptiness and transparency, size,
// assignment and the change notification.
#include <gtest/gtest.h>

#include "controls/animation/gif_image.h"
#include "tests/animation/pixels.h"
#include "tests/animation/test_gifs.h"
#include "toolkit/exceptions.h"

namespace {

// Three frames on a 4 x 4 screen: red everywhere, a green corner, a blue corner.
TBytes ThreeFrames(int transparentIndex = -1) {
    TTestFrame first = FilledFrame(0, 0, 4, 4, tiRed);
    first.TransparentIndex = transparentIndex;
    return TestGif(4, 4, {first, FilledFrame(0, 0, 2, 2, tiGreen), FilledFrame(2, 2, 2, 2, tiBlue)});
}

TEST(GIFImage, StartsEmpty) {
    TGIFImage image;
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_FALSE(image.IsTransparent());
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_EQ(image.CurrentFrame(), -1);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.LogicalWidth(), 0);
}

TEST(GIFImage, LoadDecodesOnlyTheFirstFrame) {
    TGIFImage image;
    image.LoadFromBytes(ThreeFrames());
    ASSERT_EQ(image.FrameCount(), 3);
    EXPECT_EQ(image.CurrentFrame(), 0);
    EXPECT_FALSE(image.IsEmpty());
    EXPECT_EQ(image.LogicalWidth(), 4);
    EXPECT_TRUE(image.Looping());
    EXPECT_TRUE(image.Frame(0).HasBitmap());
    EXPECT_FALSE(image.Frame(1).HasBitmap());
    EXPECT_FALSE(image.Frame(2).HasBitmap());
    EXPECT_EQ(image.Frame(1).FrameWidth(), 2) << "asking the size decodes";
    EXPECT_TRUE(image.Frame(1).HasBitmap());
    EXPECT_EQ(PixelsOf(image.Frame(1).Bitmap()).At(1, 1), PixelOf(kTestColors[tiGreen]));
    EXPECT_FALSE(image.Frame(2).HasBitmap());
}

TEST(GIFImage, FrameAttributesComeFromTheGraphicControl) {
    TTestFrame frame = FilledFrame(1, 2, 3, 2, tiBlue, 2);
    frame.Delay = 7;
    frame.TransparentIndex = tiWhite;
    TGIFImage image;
    image.LoadFromBytes(TestGif(4, 4, {frame}));
    TGIFFrame& only = image.Frame(0);
    EXPECT_EQ(only.Delay(), 70u);
    EXPECT_EQ(only.Disposal(), 2);
    EXPECT_EQ(only.TransparentColor(), kTestColors[tiWhite]);
    EXPECT_EQ(only.FrameRect(), (TRect{1, 2, 4, 4}));
}

TEST(GIFImage, TransparencyNeedsAFrameWithATransparentColour) {
    TGIFImage opaque;
    opaque.LoadFromBytes(ThreeFrames());
    EXPECT_FALSE(opaque.IsTransparent());
    TGIFImage keyed;
    keyed.LoadFromBytes(ThreeFrames(tiWhite));
    EXPECT_TRUE(keyed.IsTransparent());
    keyed.SetUseTransparency(false);
    EXPECT_FALSE(keyed.IsTransparent());
}

TEST(GIFImage, SizeIsTheCurrentFramesAndCannotBeSet) {
    TGIFImage image;
    image.LoadFromBytes(TestGif(6, 5, {FilledFrame(0, 0, 6, 5, tiRed)}));
    EXPECT_EQ(image.Width(), 6);
    EXPECT_EQ(image.Height(), 5);
    for (auto set : {&TGIFImage::SetWidth, &TGIFImage::SetHeight}) {
        try {
            (image.*set)(10);
            ADD_FAILURE() << "setting the size must fail";
        } catch (const EInvalidGraphicOperation& error) {
            EXPECT_STREQ(error.what(), "Cannot change the Size of a GIF image");
        }
    }
    EXPECT_EQ(image.Width(), 6);
}

TEST(GIFImage, CompletedLoadNotifiesAndMarksThePalette) {
    TGIFImage image;
    int changes = 0;
    image.OnChange = [&] { ++changes; };
    image.LoadFromBytes(ThreeFrames());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(image.PaletteChanged());
}

TEST(GIFImage, FailedLoadKeepsTheFramesReadWithoutNotifying) {
    TBytes gif = ThreeFrames();
    gif.back() = 0x21;  // an extension instead of the trailer
    gif.push_back(0x77);  // with an unknown label
    TGIFImage image;
    int changes = 0;
    image.OnChange = [&] { ++changes; };
    try {
        image.LoadFromBytes(gif);
        ADD_FAILURE() << "the load must fail";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_STREQ(error.what(), "Unrecognized extension block: 77");
    }
    EXPECT_EQ(image.FrameCount(), 3);
    EXPECT_EQ(image.CurrentFrame(), -1);
    EXPECT_EQ(changes, 0);
}

TEST(GIFImage, AssignmentCopiesFramesSharesScreenDataAndNotifies) {
    TGIFImage source;
    source.LoadFromBytes(ThreeFrames(tiWhite));
    TGIFImage copy;
    int changes = 0;
    copy.OnChange = [&] { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(copy.FrameCount(), 3);
    EXPECT_EQ(&copy.Data(), &source.Data());
    EXPECT_EQ(copy.CurrentFrame(), 0);
    EXPECT_EQ(copy.LogicalWidth(), 4);
    EXPECT_TRUE(copy.IsTransparent());
    EXPECT_NE(&copy.Frame(2), &source.Frame(2));
    EXPECT_EQ(copy.Frame(2).FrameRect(), source.Frame(2).FrameRect());
    EXPECT_EQ(PixelsOf(copy.Frame(2).Bitmap()).Words, PixelsOf(source.Frame(2).Bitmap()).Words);
}

TEST(GIFImage, DrawsTheCurrentFrameKeyedWhenTransparent) {
    TTestFrame frame{0, 0, 2, 1, {tiWhite, tiBlue}, 1, tiWhite};
    TGIFImage image;
    image.LoadFromBytes(TestGif(2, 1, {frame}));
    TBitmap target;
    target.SetSize(2, 1);
    target.Canvas().FillRect({0, 0, 2, 1}, MakeRGB(0x80, 0x80, 0x80));
    image.Draw(target.Canvas(), {0, 0, 2, 1});
    TPixels got = PixelsOf(target);
    EXPECT_EQ(HexPixel(got.At(0, 0)), "808080") << "the transparent pixel lets the target show";
    EXPECT_EQ(HexPixel(got.At(1, 0)), "0000FF");
}

}  // namespace
