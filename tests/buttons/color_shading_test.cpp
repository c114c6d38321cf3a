// The colour functions against the values the button's look was designed with.
#include "controls/buttons/shading/color_shading.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

constexpr TColor kWhite = MakeRGB(255, 255, 255);
constexpr TColor kBlack = MakeRGB(0, 0, 0);
constexpr TColor kHotTrack = MakeRGB(255, 199, 60);   // the dialog's HotTrackColor
constexpr TColor kHighlight = MakeRGB(106, 141, 244);  // the dialog's HighlightColor
constexpr TColor kSystemFace = 0xFF00000Fu;            // clBtnFace

std::string Hex(TColor color) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(color));
    return text;
}

struct TColorCase {
    const char* Name;
    std::function<TColor()> Got;
    TColor Want;
};

const TColorCase kColorCases[] = {
    {"Hsl240ToRgb(80, 240, 120): hue divisor 239", [] { return Hsl240ToRgb(80, 240, 120); }, MakeRGB(0, 255, 2)},
    {"Hsl240ToRgb(150, 207, 165)", [] { return Hsl240ToRgb(150, 207, 165); }, MakeRGB(107, 139, 244)},
    {"Hsl240ToRgb(0, 0, 0)", [] { return Hsl240ToRgb(0, 0, 0); }, kBlack},
    {"LightenBy(white, 30) stays white", [] { return LightenBy(kWhite, 30); }, kWhite},
    {"DarkenBy(white, 10)", [] { return DarkenBy(kWhite, 10); }, MakeRGB(244, 244, 244)},
    {"DarkenBy(white, 20)", [] { return DarkenBy(kWhite, 20); }, MakeRGB(234, 234, 234)},
    {"DarkenBy(white, 30)", [] { return DarkenBy(kWhite, 30); }, MakeRGB(223, 223, 223)},
    {"DarkenBy(white, 80)", [] { return DarkenBy(kWhite, 80); }, MakeRGB(170, 170, 170)},
    {"DarkenBy(black, 20) stays black", [] { return DarkenBy(kBlack, 20); }, kBlack},
    {"MixColors(a, b, 255) is a", [] { return MixColors(kHighlight, kHotTrack, 255); }, kHighlight},
    {"MixColors(a, b, 0) is b", [] { return MixColors(kHighlight, kHotTrack, 0); }, kHotTrack},
    {"MixColors(white, hot, 190): the hot ring's top", [] { return MixColors(kWhite, kHotTrack, 190); },
     MakeRGB(255, 241, 205)},
    {"MixColors(highlight, white, 60): the focus ring's top", [] { return MixColors(kHighlight, kWhite, 60); },
     MakeRGB(220, 228, 252)},
    {"MixColors(highlight, white, 160): the focus ring's bottom",
     [] { return MixColors(kHighlight, kWhite, 160); }, MakeRGB(162, 183, 248)},
    {"a system colour is resolved before the arithmetic", [] { return DarkenBy(kSystemFace, 0); },
     MakeRGB(245, 245, 245)},
    {"MixColors resolves system colours", [] { return MixColors(kSystemFace, kBlack, 255); },
     MakeRGB(245, 245, 245)},
    {"OppositeHue(red, 120): hue 0 + 120", [] { return OppositeHue(MakeRGB(255, 0, 0), 120); },
     MakeRGB(0, 252, 255)},
    {"OppositeHue(blue, 120): hue 160 - 120", [] { return OppositeHue(MakeRGB(0, 0, 255), 120); },
     MakeRGB(254, 255, 0)},
};

// The program's system colour table as Wine's default theme has it, for the face colour.
TColor FakeSystemColor(int index) { return index == 15 ? MakeRGB(245, 245, 245) : MakeRGB(1, 2, 3); }

class TColorShadingTest : public ::testing::Test {
protected:
    void SetUp() override { SetSystemColorLookup(&FakeSystemColor); }
    void TearDown() override { SetSystemColorLookup(nullptr); }
};

}  // namespace

TEST_F(TColorShadingTest, ColourFunctions) {
    for (std::size_t i = 0; i < std::size(kColorCases); ++i) {
        const TColorCase& row = kColorCases[i];
        TColor got = row.Got();
        EXPECT_EQ(got, row.Want) << "row " << i << " " << row.Name << ": got " << Hex(got) << ", want "
                                 << Hex(row.Want);
    }
}

TEST_F(TColorShadingTest, RgbToHsl240) {
    struct {
        TColor In;
        THsl240 Want;
    } const cases[] = {
        {MakeRGB(0, 255, 0), {80, 240, 120}},     {MakeRGB(106, 141, 244), {150, 207, 165}},
        {MakeRGB(255, 199, 60), {29, 240, 148}},  {kWhite, {0, 0, 240}},
        {kBlack, {0, 0, 0}},                      {MakeRGB(255, 0, 0), {0, 240, 120}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        THsl240 got = RgbToHsl240(cases[i].In);
        EXPECT_EQ(got, cases[i].Want) << "row " << i << " " << Hex(cases[i].In) << ": got (" << int{got.H} << ", "
                                      << int{got.S} << ", " << int{got.L} << ")";
    }
}

TEST_F(TColorShadingTest, ColorsNearlySameComparesHueAndLightnessOnly) {
    struct {
        const char* Name;
        TColor A, B;
        bool Want;
    } const cases[] = {
        {"same colour", kHighlight, kHighlight, true},
        {"saturation is not compared", MakeRGB(128, 128, 128), MakeRGB(191, 64, 64), true},
        {"lightness 60 apart", Hsl240ToRgb(0, 0, 60), Hsl240ToRgb(0, 0, 120), false},
        {"lightness 59 apart", Hsl240ToRgb(0, 0, 61), Hsl240ToRgb(0, 0, 120), true},
        {"hue 18 apart", Hsl240ToRgb(100, 240, 120), Hsl240ToRgb(118, 240, 120), true},
        {"hue 20 apart", Hsl240ToRgb(100, 240, 120), MakeRGB(0, 255, 252), false},  // hues 100 and 120
        // Hues 235 and 5 are 10 apart around the circle, 230 apart without wrapping.
        {"hue does not wrap", MakeRGB(255, 0, 32), MakeRGB(255, 32, 0), false},
        {"the dialog's highlight is not near the system face", kHighlight, kSystemFace, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ColorsNearlySame(cases[i].A, cases[i].B), cases[i].Want) << "row " << i << " " << cases[i].Name;
}

TEST_F(TColorShadingTest, TheWrapAroundCaseHasHues235And5) {
    EXPECT_EQ(RgbToHsl240(MakeRGB(255, 0, 32)).H, 235);
    EXPECT_EQ(RgbToHsl240(MakeRGB(255, 32, 0)).H, 5);
}

TEST(ColorShadingWithoutTable, ASystemColourIsRefusedWithoutTheTable) {
    SetSystemColorLookup(nullptr);
    EXPECT_THROW(DarkenBy(kSystemFace, 10), std::logic_error);
    EXPECT_EQ(DarkenBy(kWhite, 10), MakeRGB(244, 244, 244)) << "RGB colours need no table";
}
