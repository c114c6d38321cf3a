// The GIF animator on a form: frame index rules, delays, drawing options, transparency over the
// parent and the controls below, ticks on either thread, the end of a non-looping animation,
// reading from a layout, and destruction while ticks run.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "controls/animation/gif_animator.h"
#include "tests/animation/pixels.h"
#include "tests/animation/test_application.h"
#include "tests/animation/test_gifs.h"
#include "toolkit/application.h"
#include "toolkit/exceptions.h"
#include "toolkit/form.h"
#include "toolkit/form_loader.h"

namespace {

using namespace std::chrono_literals;

constexpr TColor kFormColor = MakeRGB(10, 20, 30);
constexpr TColor kBlockColor = MakeRGB(200, 100, 50);

// A windowless control of one colour.
class TColorBlock : public TGraphicControl {
public:
    TColorBlock(TComponent* owner, TColor color) : TGraphicControl(owner), FColor(color) {}

protected:
    void Paint(TCanvas& canvas) override { canvas.FillRect(ClientRect(), FColor); }

private:
    TColor FColor;
};

// Twelve frames on a 4 x 3 screen: frame 0 white with a red pixel 0, frame i adds red pixel i
// (pixels numbered row by row). Frame 5 shows for 300 ms, the others for 100 ms.
TBytes TwelveFrames() {
    TTestFrame first = FilledFrame(0, 0, 4, 3, tiWhite);
    first.Indexes[0] = tiRed;
    std::vector<TTestFrame> frames{first};
    for (int i = 1; i < 12; ++i) {
        frames.push_back(FilledFrame(i % 4, i / 4, 1, 1, tiRed));
        frames.back().Delay = i == 5 ? 30 : 10;
    }
    return TestGif(4, 3, frames);
}

// Frames of one colour each on a 2 x 2 screen, every frame showing for 50 ms.
TBytes QuickFrames(int count) {
    std::vector<TTestFrame> frames;
    for (int i = 0; i < count; ++i) {
        frames.push_back(FilledFrame(0, 0, 2, 2, static_cast<std::uint8_t>(1 + i % 3)));
        frames.back().Delay = 5;
    }
    return TestGif(2, 2, frames);
}

class GIFAnimatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        FForm = std::make_unique<TForm>(nullptr);
        FForm->SetClientSize(120, 80);
        FForm->SetColor(kFormColor);
        Animator = new TGIFAnimator(FForm.get());
        Animator->SetParent(FForm.get());
        Animator->SetBounds(10, 10, 4, 4);
    }
    void TearDown() override {
        FForm.reset();
        Application->ProcessMessages();
    }

    // The form's window, which a tick needs before it paints.
    void CreateFormWindow() { FForm->Handle(); }

    // Samples FrameIndex from another thread while this one sleeps; returns the changes seen.
    int ChangesWhileBlocked(int milliseconds) {
        std::atomic<bool> done{false};
        int changes = 0;
        std::thread sampler([&] {
            int last = Animator->FrameIndex();
            while (!done) {
                int now = Animator->FrameIndex();
                if (now != last) ++changes;
                last = now;
                std::this_thread::sleep_for(5ms);
            }
        });
        Sleep(static_cast<DWORD>(milliseconds));
        done = true;
        sampler.join();
        return changes;
    }

    std::unique_ptr<TForm> FForm;
    TGIFAnimator* Animator = nullptr;
};

TEST_F(GIFAnimatorTest, DefaultsOfTheControl) {
    EXPECT_FALSE(Animator->Animate());
    EXPECT_FALSE(Animator->AsyncDrawing());
    EXPECT_EQ(Animator->FrameIndex(), 0);
    EXPECT_TRUE(Animator->Loop());
    EXPECT_FALSE(Animator->Stretch());
    EXPECT_FALSE(Animator->Center());
    EXPECT_TRUE(Animator->Transparent());
    EXPECT_TRUE(Animator->AutoSize());
    EXPECT_TRUE(Animator->Image().IsEmpty());
    EXPECT_TRUE(Animator->Timer().Enabled());
    EXPECT_EQ(Animator->Timer().Interval(), 1000u);
}

TEST_F(GIFAnimatorTest, LoadingTakesTheFirstFrameItsDelayAndTheLogicalSize) {
    int changes = 0;
    Animator->OnChange = [&](TComponent*) { ++changes; };
    Animator->LoadImage(TwelveFrames());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Animator->FrameIndex(), 0);
    EXPECT_EQ(Animator->Timer().Interval(), 100u);
    EXPECT_EQ(Animator->BoundsRect(), (TRect{10, 10, 14, 13})) << "auto-size keeps left and top";
}

TEST_F(GIFAnimatorTest, FrameIndexOutsideTheFramesIsIgnored) {
    Animator->LoadImage(TwelveFrames());
    int frameChanges = 0;
    Animator->OnFrameChanged = [&](TComponent*) { ++frameChanges; };
    for (int index : {12, -1, 0}) {
        Animator->SetFrameIndex(index);
        EXPECT_EQ(Animator->FrameIndex(), 0) << "index " << index;
    }
    EXPECT_EQ(frameChanges, 0);
    EXPECT_EQ(Animator->Timer().Interval(), 100u);
}

TEST_F(GIFAnimatorTest, FrameIndexShowsTheFrameComposedOverTheOnesBefore) {
    Animator->LoadImage(TwelveFrames());
    int frameChanges = 0;
    Animator->OnFrameChanged = [&](TComponent*) { ++frameChanges; };
    Animator->SetFrameIndex(5);
    EXPECT_EQ(Animator->FrameIndex(), 5);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(Animator->Timer().Interval(), 300u) << "frame 5's delay";
    TPixels got = PaintedPixels(*Animator);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(HexPixel(got.At(i % 4, i / 4)), i <= 5 ? "FF0000" : "FFFFFF") << "pixel " << i;
}

TEST_F(GIFAnimatorTest, FrameDelayIsKeptWithinFiftyMillisecondsAndTenSeconds) {
    std::vector<TTestFrame> frames;
    for (std::uint16_t delay : {0, 1, 20000, 12}) {
        frames.push_back(FilledFrame(0, 0, 1, 1, tiRed));
        frames.back().Delay = delay;
    }
    Animator->LoadImage(TestGif(1, 1, frames));
    const unsigned want[] = {50, 50, 10000, 120};
    for (int index = 0; index < 4; ++index) {
        Animator->SetFrameIndex(index);
        EXPECT_EQ(Animator->FrameDelay(), want[index]) << "frame " << index;
        EXPECT_EQ(Animator->Timer().Interval(), want[index]) << "frame " << index;
    }
}

TEST_F(GIFAnimatorTest, OneFrameImageStopsTheTimerAndIsPaintedOnce) {
    Animator->LoadImage(TestGif(2, 2, {FilledFrame(0, 0, 2, 2, tiBlue)}));
    EXPECT_EQ(Animator->FrameDelay(), 0u);
    EXPECT_EQ(Animator->Timer().Interval(), 0u);
    EXPECT_EQ(HexPixel(PaintedPixels(*Animator).At(1, 1)), "0000FF");
}

// 32 x 32: blue where x or y is below 6, yellow-ish (red) where x or y is 26 or more, green inside.
TBytes Bordered32() {
    TTestFrame frame = FilledFrame(0, 0, 32, 32, tiGreen);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            std::uint8_t& index = frame.Indexes[static_cast<std::size_t>(y) * 32 + x];
            if (x < 6 || y < 6) index = tiBlue;
            else if (x >= 26 || y >= 26) index = tiRed;
        }
    return TestGif(32, 32, {frame});
}

TEST_F(GIFAnimatorTest, StretchAndCenterPlaceTheFrame) {
    const struct {
        const char* Name;
        bool Stretch;
        bool Center;
        const char* TopLeft;
        const char* BottomRight;
    } rows[] = {
        {"at the top-left corner", false, false, "0000FF", "00FF00"},
        {"centred: drawn from (-6, -6)", false, true, "00FF00", "00FF00"},
        {"stretched", true, false, "0000FF", "FF0000"},
        {"stretch wins over centre", true, true, "0000FF", "FF0000"},
    };
    Animator->SetAutoSize(false);
    Animator->LoadImage(Bordered32());
    Animator->SetBounds(10, 10, 20, 20);
    for (const auto& row : rows) {
        Animator->SetStretch(row.Stretch);
        Animator->SetCenter(row.Center);
        TPixels got = PaintedPixels(*Animator);
        EXPECT_EQ(HexPixel(got.At(0, 0)), row.TopLeft) << row.Name;
        EXPECT_EQ(HexPixel(got.At(19, 19)), row.BottomRight) << row.Name;
    }
}

// 4 x 4, white (transparent) with a blue pixel at (1, 1).
TBytes KeyedDot() {
    TTestFrame frame = FilledFrame(0, 0, 4, 4, tiWhite);
    frame.TransparentIndex = tiWhite;
    frame.Indexes[5] = tiBlue;
    return TestGif(4, 4, {frame});
}

TEST_F(GIFAnimatorTest, TransparentShowsTheParentAndTheControlsBelow) {
    auto* below = new TColorBlock(FForm.get(), kBlockColor);
    below->SetParent(FForm.get());
    below->SetBounds(12, 0, 10, 30);  // under the animator's columns 2 and 3
    Animator->SetParent(nullptr);
    Animator->SetParent(FForm.get());  // now above the block
    auto* above = new TColorBlock(FForm.get(), MakeRGB(1, 1, 1));
    above->SetParent(FForm.get());
    above->SetBounds(10, 13, 4, 1);  // over the bottom row: not part of the copy
    Animator->LoadImage(KeyedDot());
    TPixels got = PaintedPixels(*Animator);
    EXPECT_EQ(HexPixel(got.At(0, 0)), HexPixel(PixelOf(kFormColor))) << "the form's background";
    EXPECT_EQ(HexPixel(got.At(3, 0)), HexPixel(PixelOf(kBlockColor))) << "the control below";
    EXPECT_EQ(HexPixel(got.At(0, 3)), HexPixel(PixelOf(kFormColor))) << "the control above is not copied";
    EXPECT_EQ(HexPixel(got.At(1, 1)), "0000FF");

    Animator->SetTransparent(false);
    got = PaintedPixels(*Animator);
    EXPECT_EQ(HexPixel(got.At(0, 0)), "FFFFFF") << "the transparent colour itself";
    EXPECT_EQ(HexPixel(got.At(3, 0)), "FFFFFF");
    EXPECT_EQ(HexPixel(got.At(1, 1)), "0000FF");
}

TEST_F(GIFAnimatorTest, EmptyImageShowsTheParent) {
    TPixels got = PaintedPixels(*Animator);
    EXPECT_EQ(HexPixel(got.At(2, 2)), HexPixel(PixelOf(kFormColor)));
}

TEST_F(GIFAnimatorTest, AnimateStartsAndStopsWithItsEvents) {
    int starts = 0;
    int stops = 0;
    Animator->OnStart = [&](TComponent*) { ++starts; };
    Animator->OnStop = [&](TComponent*) { ++stops; };
    Animator->SetAnimate(true);
    Animator->SetAnimate(true);
    EXPECT_TRUE(Animator->Animate());
    EXPECT_TRUE(Animator->Timer().HasHandler());
    Animator->SetAnimate(false);
    Animator->SetAnimate(false);
    EXPECT_FALSE(Animator->Animate());
    EXPECT_FALSE(Animator->Timer().Enabled());
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(stops, 1);
}

TEST_F(GIFAnimatorTest, AnimateOnAnEmptyImageTicksWithoutEffect) {
    CreateFormWindow();
    Animator->SetAsyncDrawing(true);
    Animator->SetAnimate(true);
    EXPECT_TRUE(Animator->Timer().Enabled());
    EXPECT_EQ(Animator->Timer().Interval(), 1000u) << "the last interval";
    PumpFor(1200);
    EXPECT_EQ(Animator->FrameIndex(), 0);
}

TEST_F(GIFAnimatorTest, AsyncTicksAdvanceWhileTheInterfaceThreadIsBlocked) {
    CreateFormWindow();
    Animator->LoadImage(QuickFrames(3));
    Animator->SetAsyncDrawing(true);
    EXPECT_FALSE(Animator->Timer().SyncEvent());
    Animator->SetAnimate(true);
    EXPECT_GE(ChangesWhileBlocked(600), 5) << "a frame every 50 ms";
}

TEST_F(GIFAnimatorTest, SynchronousTicksStandStillWhileTheInterfaceThreadIsBlocked) {
    CreateFormWindow();
    Animator->LoadImage(QuickFrames(3));
    Animator->SetAnimate(true);
    EXPECT_TRUE(Animator->Timer().SyncEvent());
    Application->ProcessMessages();
    EXPECT_LE(ChangesWhileBlocked(500), 1);
    int before = Animator->FrameIndex();
    EXPECT_TRUE(PumpUntil([&] { return Animator->FrameIndex() != before; }, 2000)) << "and resume after";
}

TEST_F(GIFAnimatorTest, HiddenControlKeepsItsFrameUntilShown) {
    CreateFormWindow();
    Animator->LoadImage(QuickFrames(3));
    Animator->SetFrameIndex(1);
    Animator->SetAsyncDrawing(true);
    Animator->Hide();
    Animator->SetAnimate(true);
    PumpFor(400);
    EXPECT_EQ(Animator->FrameIndex(), 1);
    Animator->Show();
    EXPECT_TRUE(PumpUntil([&] { return Animator->FrameIndex() != 1; }, 2000));
    EXPECT_EQ(Animator->FrameIndex(), 2) << "the first tick shows the following frame";
}

TEST_F(GIFAnimatorTest, WithoutLoopTheAnimationStopsAfterWrappingToFrameZero) {
    CreateFormWindow();
    Animator->LoadImage(QuickFrames(3));
    Animator->SetLoop(false);
    Animator->SetAsyncDrawing(true);
    std::vector<int> shown;
    int stops = 0;
    Animator->OnFrameChanged = [&](TComponent*) { shown.push_back(Animator->FrameIndex()); };
    Animator->OnStop = [&](TComponent*) { ++stops; };
    Animator->SetAnimate(true);
    EXPECT_TRUE(PumpUntil([&] { return !Animator->Animate(); }, 3000));
    PumpFor(200);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(Animator->FrameIndex(), 0);
}

class TResourceContext : public TLayoutContext {
public:
    explicit TResourceContext(TBytes gif) : FGif(std::move(gif)) {}
    std::vector<std::uint8_t> Resource(const std::string& name) const override {
        if (name != "BUSY_GIF") throw Exception("no resource " + name);
        return FGif;
    }
    TNotifyEvent NotifyHandler(const std::string& name) const override {
        if (name != "Started") throw Exception("no handler " + name);
        return [this](TComponent*) { ++Starts; };
    }
    TKeyPressEvent KeyPressHandler(const std::string& name) const override { throw Exception("no handler " + name); }
    mutable int Starts = 0;

private:
    TBytes FGif;
};

TEST(GIFAnimatorLayout, ReadsItsPublishedPropertiesInStoredOrder) {
    RegisterAnimationClasses();
    TForm form(nullptr);
    TResourceContext context(TwelveFrames());
    LoadForm(form, ReadLayout("object Form: TForm\n"
                              "  object TmpGif: TGIFAnimator\n"
                              "    Left = 30\n"
                              "    Top = 21\n"
                              "    Width = 40\n"
                              "    Height = 40\n"
                              "    OnStart = Started\n"
                              "    AsyncDrawing = True\n"
                              "    Animate = True\n"
                              "    Image.Data = resource 'BUSY_GIF'\n"
                              "    Stretch = True\n"
                              "    Center = True\n"
                              "    Transparent = False\n"
                              "    Loop = False\n"
                              "    FrameIndex = 3\n"
                              "    Visible = False\n"
                              "  end\n"
                              "end\n"),
             context);
    auto* animator = dynamic_cast<TGIFAnimator*>(form.FindComponent("TmpGif"));
    ASSERT_NE(animator, nullptr);
    EXPECT_EQ(animator->BoundsRect(), (TRect{30, 21, 70, 61})) << "no auto-size while the layout is read";
    EXPECT_TRUE(animator->AsyncDrawing());
    EXPECT_FALSE(animator->Timer().SyncEvent());
    EXPECT_TRUE(animator->Animate());
    EXPECT_EQ(context.Starts, 1);
    EXPECT_EQ(animator->Image().FrameCount(), 12);
    EXPECT_EQ(animator->FrameIndex(), 3);
    EXPECT_EQ(animator->Timer().Interval(), 100u);
    EXPECT_TRUE(animator->Stretch());
    EXPECT_TRUE(animator->Center());
    EXPECT_FALSE(animator->Transparent());
    EXPECT_FALSE(animator->Loop());
    EXPECT_FALSE(animator->Visible());
}

TEST(GIFAnimatorLayout, ImageDataMustNameAResource) {
    RegisterAnimationClasses();
    TForm form(nullptr);
    TResourceContext context({});
    EXPECT_THROW(LoadForm(form,
                          ReadLayout("object Form: TForm\n  object G: TGIFAnimator\n    Image.Data = 'x'\n  end\nend\n"),
                          context),
                 Exception);
}

TEST_F(GIFAnimatorTest, DestroyingWhileTicksPaintFromTheWorkerIsSafeAndQuick) {
    CreateFormWindow();
    for (int round = 0; round < 15; ++round) {
        auto* animator = new TGIFAnimator(FForm.get());
        animator->SetParent(FForm.get());
        animator->LoadImage(QuickFrames(4));
        animator->SetLoop(round % 2 == 0);
        animator->SetAsyncDrawing(true);
        animator->SetAnimate(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(40 + 13 * round));
        auto before = std::chrono::steady_clock::now();
        delete animator;
        EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms) << "round " << round;
    }
}

TEST_F(GIFAnimatorTest, DestroyingWhileAFrameChangeWaitsForTheInterfaceThreadDoesNotDeadlock) {
    CreateFormWindow();
    std::atomic<int> frameChanges{0};
    Animator->LoadImage(QuickFrames(3));
    Animator->OnFrameChanged = [&](TComponent*) { ++frameChanges; };
    Animator->SetAsyncDrawing(true);
    Animator->SetAnimate(true);
    Application->ProcessMessages();
    Sleep(300);  // the first tick now waits to hand OnFrameChanged over
    auto before = std::chrono::steady_clock::now();
    delete Animator;
    Animator = nullptr;
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
    PumpFor(100);
    EXPECT_EQ(frameChanges, 0) << "the waiting call was dropped with its control";
}

TEST_F(GIFAnimatorTest, SettersDoNotWaitForTheInterfaceThreadWhileATickHandsOver) {
    CreateFormWindow();
    Animator->LoadImage(QuickFrames(3));
    std::atomic<int> frameChanges{0};
    Animator->OnFrameChanged = [&](TComponent*) { ++frameChanges; };
    Animator->SetAsyncDrawing(true);
    Animator->SetAnimate(true);
    Application->ProcessMessages();
    Sleep(300);  // a tick waits for this thread to run OnFrameChanged
    auto before = std::chrono::steady_clock::now();
    Animator->SetStretch(true);  // takes the control lock, and repaints
    Animator->SetFrameIndex(0);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
    EXPECT_TRUE(PumpUntil([&] { return frameChanges >= 2; }, 2000));
}

}  // namespace
