// Pixels of a real button painted through WM_PRINTCLIENT: the dialog's 89 x 33 white button in
// every look, against the numbers its design gives.
#include <gtest/gtest.h>

#include <functional>

#include "controls/buttons/hot_button_painter.h"
#include "controls/buttons/shading/color_shading.h"
#include "controls/buttons/shading_canvas.h"
#include "tests/buttons/button_fixture.h"
#include "toolkit/bitmap.h"
#include "toolkit/theme_services.h"

namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}

struct TPixelRow {
    int X, Y;
    std::uint32_t Want;
};

void ExpectPixels(const TButtonPixels& pixels, std::initializer_list<TPixelRow> rows, const char* look) {
    int i = 0;
    for (const TPixelRow& row : rows) {
        EXPECT_EQ(pixels.At(row.X, row.Y), row.Want) << look << " row " << i << " at (" << row.X << ", " << row.Y
                                                     << "): got " << Hex(pixels.At(row.X, row.Y)) << ", want "
                                                     << Hex(row.Want);
        ++i;
    }
}

const std::uint32_t kFace = Rgb(255, 255, 255);
const std::uint32_t kPressed = Rgb(244, 244, 244);
const std::uint32_t kShadeUpper = Rgb(234, 234, 234), kShadeLower = Rgb(223, 223, 223);
const std::uint32_t kRunTop = Rgb(254, 254, 254), kRunBottom = Rgb(244, 244, 244);
constexpr TColor kFormColor = MakeRGB(30, 160, 90);  // a parent colour no button shade equals

class THotButtonPaintTest : public TButtonTest {
protected:
    void SetUp() override {
        TButtonTest::SetUp();
        FForm->SetColor(kFormColor);
        Pump();
    }
    void TearDown() override {
        SetFullColorDisplayForTesting(std::nullopt);
        TButtonTest::TearDown();
    }
};

}  // namespace

TEST_F(THotButtonPaintTest, RectanglesOfTheDialogsButton) {
    THotButtonView view = FButton->ComputeView();
    EXPECT_EQ(view.Style, TButtonPaintStyle::psHotTrack) << "the program does not ask for themed controls";
    EXPECT_EQ(view.Face, (TRect{2, 2, 87, 31}));
    EXPECT_EQ(view.FocusRect, (TRect{3, 3, 86, 30}));
    // ImageIndex 0 without Images and NumGlyphs 2 without a glyph reserve no room.
    FButton->SetImageIndex(0);
    EXPECT_EQ(FButton->ComputeView().CaptionRect, (TRect{5, 5, 84, 28}));
}

TEST_F(THotButtonPaintTest, WellFrameAndCornersShowTheParent) {
    TButtonPixels pixels = Paint(*FButton);
    const std::uint32_t parent = Pixel(kFormColor);
    const std::uint32_t dark = Pixel(DarkenBy(kFormColor, 20)), light = Pixel(LightenBy(kFormColor, 20));
    const std::uint32_t frame = Pixel(cl3DDkShadow);
    ExpectPixels(pixels,
                 {{0, 0, parent}, {1, 0, parent}, {0, 1, parent}, {88, 0, parent}, {87, 0, parent}, {88, 1, parent},
                  {0, 32, parent}, {1, 32, parent}, {0, 31, parent}, {88, 32, parent}, {87, 32, parent},
                  {88, 31, parent}, {0, 2, dark}, {0, 30, dark}, {2, 0, dark}, {86, 0, dark}, {1, 1, dark},
                  {87, 1, dark}, {1, 31, dark}, {88, 2, light}, {88, 30, light}, {2, 32, light}, {86, 32, light},
                  {87, 31, light}, {1, 2, frame}, {1, 30, frame}, {2, 1, frame}, {86, 1, frame}, {87, 16, frame},
                  {44, 31, frame}},
                 "well and frame");
}

TEST_F(THotButtonPaintTest, ShadedFaceAndShadeLinesThroughTheLastColumn) {
    TButtonPixels pixels = Paint(*FButton);
    for (int x = 2; x <= 86; ++x) {
        ASSERT_EQ(pixels.At(x, 29), kShadeUpper) << "row 29, x " << x << ": " << Hex(pixels.At(x, 29));
        ASSERT_EQ(pixels.At(x, 30), kShadeLower) << "row 30, x " << x << ": " << Hex(pixels.At(x, 30));
    }
    ExpectPixels(pixels, {{2, 2, kRunTop}, {86, 2, kRunTop}, {2, 28, kRunBottom}, {86, 28, kRunBottom}},
                 "face run");
}

// x = 45 keeps clear of the dotted focus rectangle, which blackens every other pixel of
// rows 3 and 29 (from x = 4) and of columns 3 and 85 (from y = 4).
TEST_F(THotButtonPaintTest, LooksByState) {
    const std::uint32_t black = 0;
    struct TLook {
        const char* Name;
        std::function<void()> Make;
        std::vector<TPixelRow> Rows;
    };
    const std::vector<TPixelRow> hotRing{{45, 2, Rgb(255, 239, 200)}, {45, 3, Rgb(255, 238, 195)},
                                         {45, 29, Rgb(255, 200, 65)}, {45, 30, Rgb(255, 199, 60)},
                                         {2, 2, Rgb(255, 239, 200)},  {86, 30, Rgb(255, 199, 60)},
                                         {4, 16, Rgb(248, 248, 248)}};  // inside the ring: the face run
    const std::vector<TPixelRow> focusRing{{45, 2, Rgb(218, 226, 251)}, {45, 3, Rgb(216, 224, 251)},
                                           {45, 29, Rgb(164, 184, 248)}, {45, 30, Rgb(162, 183, 248)},
                                           {3, 4, black},                {4, 3, black},
                                           {85, 28, black},              {84, 29, black}};
    const TLook looks[] = {
        {"plain", [] {}, {{45, 2, kRunTop}, {45, 28, kRunBottom}, {45, 29, kShadeUpper}, {45, 30, kShadeLower}}},
        {"hot", [this] { PointerOver(*FButton); }, hotRing},
        {"focused", [this] { FButton->SetFocus(); }, focusRing},
        {"hot wins over focus",
         [this] {
             FButton->SetFocus();
             PointerOver(*FButton);
         },
         hotRing},
        {"pressed wins over hot",
         [this] {
             PointerOver(*FButton);
             SendMessageW(FButton->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(44, 16));
         },
         {{2, 2, kPressed}, {45, 2, kPressed}, {45, 3, kPressed}, {45, 29, kPressed}, {86, 30, kPressed}}},
    };
    for (const TLook& look : looks) {
        look.Make();
        TButtonPixels pixels = Paint(*FButton);
        for (const TPixelRow& row : look.Rows)
            EXPECT_EQ(pixels.At(row.X, row.Y), row.Want) << look.Name << " at (" << row.X << ", " << row.Y
                                                         << "): got " << Hex(pixels.At(row.X, row.Y)) << ", want "
                                                         << Hex(row.Want);
        SendMessageW(FButton->Handle(), WM_CANCELMODE, 0, 0);
        SendMessageW(FButton->Handle(), WM_MOUSELEAVE, 0, 0);
        FBox->SetFocus();
        PointerAway();
        Pump();
    }
}

TEST_F(THotButtonPaintTest, WithoutFullColourFacesAreFlatAndNoRingIsDrawn) {
    SetFullColorDisplayForTesting(false);
    FButton->SetFocus();
    PointerOver(*FButton);
    TButtonPixels pixels = Paint(*FButton);
    ExpectPixels(pixels,
                 {{45, 2, kFace}, {2, 2, kFace}, {45, 28, kFace}, {45, 29, kShadeUpper}, {45, 30, kShadeLower},
                  {86, 30, kShadeLower}},
                 "flat");
}

namespace {

// The caption's pixels, over the white face: its darkest, and whether every one is a neutral
// grey (the text colour smoothed into white, no tint).
struct TCaptionInk {
    std::uint32_t Darkest = 0xFFFFFF;
    bool Neutral = true;
};

TCaptionInk CaptionInk(const TButtonPixels& pixels) {
    TCaptionInk ink;
    for (int y = 5; y < 28; ++y)
        for (int x = 5; x < 84; ++x) {
            std::uint32_t p = pixels.At(x, y);
            int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
            if (r != g || g != b) ink.Neutral = false;
            if ((p & 0xFF) < (ink.Darkest & 0xFF)) ink.Darkest = p;
        }
    return ink;
}

}  // namespace

TEST_F(THotButtonPaintTest, DisabledButtonHasAGreyFrameAndNoWell) {
    FButton->SetEnabled(false);
    TButtonPixels pixels = Paint(*FButton);
    const std::uint32_t parent = Pixel(kFormColor), frame = Rgb(170, 170, 170);
    ExpectPixels(pixels,
                 {{0, 10, parent}, {10, 0, parent}, {88, 10, parent}, {10, 32, parent}, {1, 1, parent},
                  {1, 10, frame}, {10, 1, frame}, {87, 10, frame}, {10, 31, frame}, {2, 2, kFace}, {44, 30, kFace}},
                 "disabled");
    TCaptionInk ink = CaptionInk(pixels);
    EXPECT_EQ(ink.Darkest, Pixel(clGrayText)) << "the caption is drawn in the grey text colour: " << Hex(ink.Darkest);
    EXPECT_TRUE(ink.Neutral);
}

// clNone is no colour: the dialog's captions are drawn in black on the white face.
TEST_F(THotButtonPaintTest, CaptionWithFontColourNoneIsBlack) {
    TCaptionInk ink = CaptionInk(Paint(*FButton));
    EXPECT_EQ(ink.Darkest, 0u) << Hex(ink.Darkest);
    EXPECT_TRUE(ink.Neutral) << "black smoothed into white stays grey";
}

// Hover changes repaint without erasing: after the ring goes, nothing of it stays behind.
TEST_F(THotButtonPaintTest, NothingOfTheRingStaysAfterTheLeave) {
    PointerOver(*FButton);
    FButton->Update();
    PointerAway();
    SendMessageW(FButton->Handle(), WM_MOUSELEAVE, 0, 0);
    FButton->Update();
    HDC window = GetDC(FButton->Handle());
    for (int x = 2; x <= 86; ++x) {
        EXPECT_EQ(GetPixel(window, x, 30), RGB(223, 223, 223)) << "row 30, x " << x;
        EXPECT_EQ(GetPixel(window, x, 2), RGB(254, 254, 254)) << "row 2, x " << x;
    }
    ReleaseDC(FButton->Handle(), window);
}

TEST_F(THotButtonPaintTest, ComplementHotColourAndAHighlightNearTheFace) {
    FButton->SetHotTrackColorType(THotTrackColorType::htctComplement);
    PointerOver(*FButton);
    TColor top = OppositeHue(3983359, 180);
    ExpectPixels(Paint(*FButton), {{44, 30, Pixel(DarkenBy(top, 30))}}, "complement");
    SendMessageW(FButton->Handle(), WM_MOUSELEAVE, 0, 0);
    FButton->SetHighlightColor(clBtnFace);
    FButton->SetFocus();
    TColor fore = DarkenBy(clBtnFace, 30);
    ExpectPixels(Paint(*FButton), {{44, 30, Pixel(MixColors(fore, clWhite, 160))}}, "darker highlight");
}

namespace {

std::vector<std::pair<int, int>> themedParts;  // (part, state) drawn
int parentBackgrounds = 0;

TThemeApi RecordingThemeApi() {
    TThemeApi api{};
    api.OpenThemeData = [](HWND, LPCWSTR) { return reinterpret_cast<HTHEME>(1); };
    api.CloseThemeData = [](HTHEME) { return S_OK; };
    api.DrawThemeBackground = [](HTHEME, HDC, int part, int state, const RECT*, const RECT*) {
        themedParts.emplace_back(part, state);
        return S_OK;
    };
    api.DrawThemeParentBackground = [](HWND, HDC, const RECT*) {
        ++parentBackgrounds;
        return S_OK;
    };
    api.IsThemeActive = [] { return TRUE; };
    return api;
}

}  // namespace

// The program runs without the version-6 common controls, so the theme style never applies to
// the dialog; its painting is checked here with the theme library's entry points replaced.
TEST_F(THotButtonPaintTest, TheThemeStyleDrawsThePushButtonPartThroughTheThemeServices) {
    struct {
        const char* Name;
        std::function<void()> Make;
        int State;
    } const states[] = {
        {"normal", [] {}, 1},
        {"defaulted (focused)", [this] { FButton->SetFocus(); }, 5},
        {"hot", [this] { PointerOver(*FButton); }, 2},
        {"pressed", [this] { SendMessageW(FButton->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 9)); }, 3},
        {"disabled", [this] { FButton->SetEnabled(false); }, 4},
    };
    TThemeServices::Instance().UseApiForTesting(RecordingThemeApi());
    for (const auto& row : states) {
        row.Make();
        THotButtonView view = FButton->ComputeView();
        view.Style = TButtonPaintStyle::psTheme;
        themedParts.clear();
        parentBackgrounds = 0;
        TBitmap target;
        target.SetSize(89, 33);
        PaintFrameAndFace(target.Canvas(), view);
        EXPECT_EQ(themedParts, (std::vector<std::pair<int, int>>{{1, row.State}})) << row.Name;
        EXPECT_EQ(parentBackgrounds, 1) << row.Name << ": the parent is painted behind first";
    }
    TThemeServices::Instance().RestorePlatformApi();
    SendMessageW(FButton->Handle(), WM_CANCELMODE, 0, 0);
}

TEST_F(THotButtonPaintTest, ClassicStyleBevelsAndFramesTheDefaultButton) {
    THotBitBtn& classic = AddButton("Classic", 120, 20);
    classic.SetHotTrack(false);
    classic.SetColor(clBtnFace);
    Pump();
    const std::uint32_t frame = Pixel(0xFF000000u | COLOR_WINDOWFRAME);
    ExpectPixels(Paint(classic),
                 {{0, 0, Pixel(clBtnHighlight)}, {88, 32, Pixel(cl3DDkShadow)}, {1, 1, Pixel(cl3DLight)},
                  {87, 31, Pixel(clBtnShadow)}, {10, 10, Pixel(clBtnFace)}},
                 "classic");
    classic.SetFocus();
    ExpectPixels(Paint(classic), {{0, 0, frame}, {88, 32, frame}, {1, 1, Pixel(clBtnHighlight)}}, "classic focused");
    SendMessageW(classic.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 9));
    ExpectPixels(Paint(classic), {{0, 0, Pixel(clBtnShadow)}, {88, 32, Pixel(clBtnShadow)}}, "classic pressed");
    EXPECT_EQ(classic.ComputeView().CaptionRect, (TRect{6, 6, 85, 29})) << "the pressed caption moves by (1, 1)";
    SendMessageW(classic.Handle(), WM_CANCELMODE, 0, 0);
}

TEST_F(THotButtonPaintTest, ALatchedGroupedButtonShowsTheDownPattern) {
    FButton->SetGroupIndex(3);
    FButton->SetDown(true);
    const std::uint32_t silver = Rgb(192, 192, 192);
    ExpectPixels(Paint(*FButton), {{2, 2, silver}, {3, 2, kFace}, {3, 3, silver}, {86, 30, silver}, {85, 30, kFace}},
                 "down pattern");
    EXPECT_EQ(FButton->ComputeView().FocusRect, (TRect{4, 4, 87, 31})) << "a latched grouped button's focus moves";
}
