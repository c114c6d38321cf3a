// Radio glyphs without themes: the measured pattern at two sizes, the image index map, the colour
// maps painted into real pixels, and the rebuild after a change of system colours; with themes,
// the theme's part in the state for the button state.
#include <gtest/gtest.h>

#include <set>

#include "controls/editors/office11_colors.h"
#include "controls/editors/radio_button_image_list.h"
#include "tests/animation/pixels.h"
#include "tests/editors/fake_theme_api.h"

namespace {

using enum TLookAndFeelKind;
using enum TButtonState;

std::string Dump(const TRadioGlyphPattern& pattern) {
    std::string text;
    for (int y = 0; y < pattern.Height; ++y) {
        for (int x = 0; x < pattern.Width; ++x) text += static_cast<char>('0' + pattern.At(x, y));
        text += '\n';
    }
    return text;
}

TRadioGlyphMetrics Metrics(int size) {
    TRadioGlyphMetrics m;
    m.Width = m.Height = size;
    int inset = size * 4 / 12;
    m.Dot = RECT{inset, inset, size - inset, size - inset};
    return m;
}

TEST(RadioGlyphPatternTest, CodesAtTwoGlyphSizes) {
    for (int size : {12, 16}) {
        TRadioGlyphPattern p = BuildRadioPattern(Metrics(size));
        SCOPED_TRACE("size " + std::to_string(size) + "\n" + Dump(p));
        ASSERT_EQ(p.Width, size);
        int mid = size / 2;
        EXPECT_EQ(p.At(0, 0), rgcOutside);
        EXPECT_EQ(p.At(size - 1, size - 1), rgcOutside);
        EXPECT_EQ(p.At(mid, 0), rgcOuterUpper);           // top of the ring: above the diagonal
        EXPECT_EQ(p.At(mid, size - 1), rgcOuterLower);    // bottom: below it
        EXPECT_EQ(p.At(0, mid - 1), rgcOuterUpper);
        EXPECT_EQ(p.At(size - 1, mid), rgcOuterLower);
        EXPECT_EQ(p.At(mid, 1), rgcInnerUpper);
        EXPECT_EQ(p.At(mid, size - 2), rgcInnerLower);
        EXPECT_EQ(p.At(mid, 2), rgcBody) << "the inner ring is one pixel wide";
        EXPECT_EQ(p.At(2, mid), rgcBody);
        EXPECT_EQ(p.At(mid, mid), rgcDot);
        EXPECT_EQ(p.At(mid - (size - 2 * size * 4 / 12) / 2 - 1, mid), rgcBody);
        // The ring is closed: every row between its top and bottom has ring pixels at both ends.
        for (int y = 1; y < size - 1; ++y) {
            int first = 0;
            while (first < size && p.At(first, y) == rgcOutside) ++first;
            int last = size - 1;
            while (last >= 0 && p.At(last, y) == rgcOutside) --last;
            ASSERT_LT(first, last) << "row " << y;
            EXPECT_TRUE(p.At(first, y) == rgcOuterUpper || p.At(first, y) == rgcOuterLower) << "row " << y;
            EXPECT_TRUE(p.At(last, y) == rgcOuterUpper || p.At(last, y) == rgcOuterLower) << "row " << y;
        }
    }
}

TEST(RadioGlyphPatternTest, TheMeasuredGlyphLiesInTheCheckBoxCell) {
    const TRadioGlyphMetrics& m = TRadioButtonImageList::Instance().Metrics();
    EXPECT_GE(m.Width, 8);
    EXPECT_GE(m.Height, 8);
    EXPECT_GE(m.Origin.x, 0);
    EXPECT_GE(m.Origin.y, 0);
    // The dot is in glyph coordinates: inside the glyph and around its centre.
    EXPECT_GT(m.Dot.left, 0);
    EXPECT_LT(m.Dot.right, m.Width);
    EXPECT_LE(m.Dot.left, m.Width / 2);
    EXPECT_GT(m.Dot.right, m.Width / 2);
    EXPECT_LE(m.Dot.top, m.Height / 2);
    EXPECT_GT(m.Dot.bottom, m.Height / 2);
}

struct TIndexRow {
    TLookAndFeelKind Kind;
    TButtonState State;
    bool Checked, Focused, Designing;
    int Index;
};

const TIndexRow kIndexes[] = {
    {lfFlat, cxbsNormal, false, false, false, 0},
    {lfFlat, cxbsDefault, false, false, false, 0},  // the default state counts as normal
    {lfStandard, cxbsNormal, true, false, false, 12},
    {lfStandard, cxbsDisabled, true, false, false, 15},
    {lfUltraFlat, cxbsPressed, false, false, false, 18},
    {lfOffice11, cxbsHot, true, false, false, 29},
    {lfFlat, cxbsHot, false, true, true, 97},
    {lfOffice11, cxbsDisabled, true, true, true, 127},
};

TEST(RadioImageListTest, IndexMap) {
    for (const TIndexRow& row : kIndexes)
        EXPECT_EQ(RadioImageIndex(row.Kind, row.State, row.Checked, row.Focused, row.Designing), row.Index)
            << "kind " << static_cast<int>(row.Kind) << " state " << static_cast<int>(row.State);
    std::set<int> all;
    for (int kind = 0; kind < 4; ++kind)
        for (int state = 1; state <= 4; ++state)
            for (int flags = 0; flags < 8; ++flags)
                all.insert(RadioImageIndex(static_cast<TLookAndFeelKind>(kind), static_cast<TButtonState>(state),
                                           flags & 1, flags & 2, flags & 4));
    EXPECT_EQ(all.size(), 128u);
    EXPECT_EQ(*all.begin(), 0);
    EXPECT_EQ(*all.rbegin(), 127);
}

// Where in the pattern a code first appears.
POINT FirstOf(const TRadioGlyphPattern& p, std::uint8_t code) {
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x)
            if (p.At(x, y) == code) return POINT{x, y};
    ADD_FAILURE() << "no code " << int{code};
    return POINT{0, 0};
}

struct TGlyphRow {
    const char* Name;
    TLookAndFeelKind Kind;
    TButtonState State;
    bool Checked;
    COLORREF Codes[7];  // expected per code; code 0 shows the background
};

COLORREF Sys(int index) { return GetSysColor(index); }

TEST(RadioImageListTest, PaintedGlyphsShowTheColourMap) {
    const COLORREF background = RGB(1, 99, 7);
    const TGlyphRow rows[] = {
        {"standard checked", lfStandard, cxbsNormal, true,
         {background, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT),
          Sys(COLOR_WINDOW), Sys(COLOR_WINDOWTEXT)}},
        {"standard unchecked disabled", lfStandard, cxbsDisabled, false,
         {background, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT),
          Sys(COLOR_BTNFACE), Sys(COLOR_BTNFACE)}},
        {"ultra-flat checked", lfUltraFlat, cxbsNormal, true,
         {background, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW), Sys(COLOR_WINDOW), Sys(COLOR_WINDOW),
          Sys(COLOR_WINDOW), Sys(COLOR_WINDOWTEXT)}},
        {"ultra-flat checked pressed", lfUltraFlat, cxbsPressed, true,
         {background, Sys(COLOR_HIGHLIGHT), Sys(COLOR_HIGHLIGHT), PressedBlendColor(), PressedBlendColor(),
          PressedBlendColor(), Sys(COLOR_WINDOWTEXT)}},
        {"flat checked disabled", lfFlat, cxbsDisabled, true,
         {background, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_3DLIGHT), Sys(COLOR_3DLIGHT),
          Sys(COLOR_BTNFACE), Sys(COLOR_BTNSHADOW)}},
    };
    TRadioButtonImageList& list = TRadioButtonImageList::Instance();
    const TRadioGlyphPattern& pattern = list.Pattern();
    for (const TGlyphRow& row : rows) {
        TBitmap surface;
        surface.SetSize(pattern.Width + 4, pattern.Height + 4);
        surface.Canvas().FillRect(TRect{0, 0, surface.Width(), surface.Height()}, background);
        list.Draw(surface.Canvas(), 2, 2, row.Kind, row.State, row.Checked, false, clDefault, false);
        TPixels pixels = PixelsOf(surface);
        for (std::uint8_t code = 0; code < 7; ++code) {
            POINT at = FirstOf(pattern, code);
            COLORREF want = row.Codes[code];
            std::uint32_t wantPixel = (GetRValue(want) << 16) | (GetGValue(want) << 8) | GetBValue(want);
            EXPECT_EQ(HexPixel(pixels.At(at.x + 2, at.y + 2)), HexPixel(wantPixel))
                << row.Name << ", code " << int{code} << " at " << at.x << "," << at.y;
        }
    }
}

TEST(RadioImageListTest, ABrushColourShowsInTheCorners) {
    TRadioButtonImageList& list = TRadioButtonImageList::Instance();
    TBitmap surface;
    surface.SetSize(list.GlyphSize().cx, list.GlyphSize().cy);
    list.Draw(surface.Canvas(), 0, 0, lfStandard, cxbsNormal, false, false, MakeRGB(250, 0, 0), false);
    EXPECT_EQ(HexPixel(PixelsOf(surface).At(0, 0)), "FA0000");
}

TEST(RadioImageListTest, BlendColoursWithAWhiteButtonFaceAreTheHighlight) {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    int index = COLOR_BTNFACE;
    COLORREF white = RGB(255, 255, 255);
    SetSysColors(1, &index, &white);
    COLORREF hot = HotBlendColor(), pressed = PressedBlendColor();
    SetSysColors(1, &index, &face);
    EXPECT_EQ(hot, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pressed, GetSysColor(COLOR_HIGHLIGHT));
}

TEST(RadioImageListTest, ASystemColourChangeRebuildsTheImages) {
    TRadioButtonImageList& list = TRadioButtonImageList::Instance();
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    int index = COLOR_WINDOWTEXT;
    COLORREF red = RGB(230, 0, 0);
    int builds = list.Builds();
    SetSysColors(1, &index, &red);
    TThemeServices::Instance().TakeSysColorChange();
    TBitmap surface;
    surface.SetSize(list.GlyphSize().cx, list.GlyphSize().cy);
    POINT dot = FirstOf(list.Pattern(), rgcDot);
    list.Draw(surface.Canvas(), 0, 0, lfStandard, cxbsNormal, true, false, clWindow, false);
    std::uint32_t painted = PixelsOf(surface).At(dot.x, dot.y);
    SetSysColors(1, &index, &text);
    TThemeServices::Instance().TakeSysColorChange();
    EXPECT_GT(list.Builds(), builds);
    EXPECT_EQ(HexPixel(painted), "E60000");
}

class ThemedGlyphTest : public ::testing::Test {
protected:
    void TearDown() override { UsePlatformThemes(); }
};

TEST_F(ThemedGlyphTest, TheThemesRadioPartInTheStateOfTheButton) {
    UseFakeThemes(TThemeMode::tmOn);
    const TLookAndFeelPainter& painter = WinXPPainter();
    EXPECT_EQ(painter.RadioButtonSize().cx, 16);
    struct {
        TButtonState State;
        bool Checked;
        int ThemeState;
    } const rows[] = {{cxbsDefault, false, 1}, {cxbsNormal, false, 1}, {cxbsHot, false, 2}, {cxbsPressed, false, 3},
                      {cxbsDisabled, false, 4}, {cxbsNormal, true, 5}, {cxbsHot, true, 6}, {cxbsPressed, true, 7},
                      {cxbsDisabled, true, 8}};
    for (const auto& row : rows) {
        TBitmap surface;
        surface.SetSize(20, 20);
        painter.DrawRadioButton(surface.Canvas(), 2, 2, row.State, row.Checked, true, clWindow, false);
        TPixels pixels = PixelsOf(surface);
        COLORREF want = FakeThemeColor(2, row.ThemeState);
        std::uint32_t wantPixel = (GetRValue(want) << 16) | (GetGValue(want) << 8) | GetBValue(want);
        EXPECT_EQ(HexPixel(pixels.At(2, 2)), HexPixel(wantPixel)) << "theme state " << row.ThemeState;
        EXPECT_EQ(HexPixel(pixels.At(17, 17)), HexPixel(wantPixel));
        EXPECT_EQ(HexPixel(pixels.At(18, 18)), "000000");  // nothing beyond the part's size
    }
}

}  // namespace
