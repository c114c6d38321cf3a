// An editor's view by state: border style as painted, border colour, background and text colours,
// the content and frame rectangles, for the dialog's 225 x 25 editors and other border styles.
#include <gtest/gtest.h>

#include "controls/editors/edit_view.h"
#include "controls/editors/office11_colors.h"

namespace {

using enum TEditBorderStyle;
using enum TLookAndFeelKind;

struct TBorderRow {
    const char* Name;
    TLookAndFeelKind Kind;
    std::optional<TEditBorderStyle> Assigned;  // on the base style
    bool HotTrack;
    TEditStates States;
    TEditBorderStyle Painted;
    int Width;
    TColor Border;
    TColor Background;
    TColor Text;
};

const TColor kFrame = SystemColor(COLOR_WINDOWFRAME);

const TBorderRow kBorders[] = {
    {"ultra-flat idle", lfUltraFlat, {}, true, esNormal, ebsSingle, 1, clBtnShadow, clWindow, clWindowText},
    {"ultra-flat focused", lfUltraFlat, {}, true, esFocused, ebsSingle, 1, clHighlight, clWindow, clWindowText},
    {"ultra-flat hot", lfUltraFlat, {}, true, esNormal | esHot, ebsSingle, 1, clHighlight, clWindow, clWindowText},
    {"ultra-flat hot, HotTrack off", lfUltraFlat, {}, false, esNormal | esHot, ebsSingle, 1, clBtnShadow, clWindow,
     clWindowText},
    {"ultra-flat focused, HotTrack off", lfUltraFlat, {}, false, esFocused, ebsSingle, 1, clHighlight, clWindow,
     clWindowText},
    {"ultra-flat disabled", lfUltraFlat, {}, true, esDisabled, ebsSingle, 1, clBtnShadow, clBtnFace, clBtnShadow},
    {"standard idle: 3D", lfStandard, {}, true, esNormal, ebs3D, 2, kFrame, clWindow, clWindowText},
    {"flat idle", lfFlat, {}, true, esNormal, ebsFlat, 2, kFrame, clWindow, clWindowText},
    {"flat focused: raised to 3D", lfFlat, {}, true, esFocused, ebs3D, 2, kFrame, clWindow, clWindowText},
    {"flat hot, HotTrack off: unchanged", lfFlat, {}, false, esNormal | esHot, ebsFlat, 2, kFrame, clWindow,
     clWindowText},
    {"none focused: flat", lfUltraFlat, ebsNone, true, esFocused, ebsFlat, 2, kFrame, clWindow, clWindowText},
    {"single hot: thick", lfUltraFlat, ebsSingle, true, esNormal | esHot, ebsThick, 2, kFrame, clWindow,
     clWindowText},
    {"single disabled: unchanged", lfUltraFlat, ebsSingle, true, esDisabled, ebsSingle, 1, clBtnShadow, clBtnFace,
     clBtnShadow},
    {"Office 2003 idle", lfOffice11, {}, true, esNormal, ebsSingle, 1, clBtnShadow, clWindow, clWindowText},
};

TEST(EditViewTest, BorderStyleAndColoursByState) {
    TFont font;
    for (const TBorderRow& row : kBorders) {
        TEditStyles styles(&font, false);
        styles.Style.LookAndFeel().SetKind(row.Kind);
        if (row.Assigned) styles.Style.SetBorderStyle(*row.Assigned);
        styles.Style.SetHotTrack(row.HotTrack);
        TEditViewInfo view = CalculateEditView(styles, row.States, TRect{0, 0, 225, 25}, {});
        EXPECT_EQ(view.BorderStyle, row.Painted) << row.Name;
        EXPECT_EQ(view.BorderWidth, row.Width) << row.Name;
        EXPECT_EQ(view.BorderColor, row.Border) << row.Name;
        EXPECT_EQ(view.BackgroundColor, row.Background) << row.Name;
        EXPECT_EQ(view.TextColor, row.Text) << row.Name;
    }
}

TEST(EditViewTest, Office2003HighlightsInTheSelectionColour) {
    TFont font;
    TEditStyles styles(&font, false);
    styles.Style.LookAndFeel().SetKind(lfOffice11);
    TEditViewInfo view = CalculateEditView(styles, esFocused, TRect{0, 0, 100, 20}, {});
    EXPECT_EQ(view.BorderColor, Office11Colors().SelectionBorder);
}

TEST(EditViewTest, TheDialogsEditorKeepsItsOuterRingForTheParent) {
    TFont font;
    TEditStyles styles(&font, false);
    TEditViewInfo view = CalculateEditView(styles, esNormal, TRect{0, 0, 225, 25}, {});
    EXPECT_EQ(view.Extents, (TEditExtents{2, 2, 2, 2}));
    EXPECT_EQ(view.ClientRect, (TRect{2, 2, 223, 23}));
    EXPECT_EQ(view.FrameRect, (TRect{1, 1, 224, 24}));
    EXPECT_TRUE(view.HasRegion);
}

struct TExtentRow {
    const char* Name;
    bool TransparentBorder;
    bool Shadow;
    TBorders Edges;
    std::optional<TEditBorderStyle> Border;
    TEditExtents Extents;
};

const TExtentRow kExtents[] = {
    {"transparent border: 2 whatever the style", true, false, bAll, ebs3D, {2, 2, 2, 2}},
    {"no border", false, false, bAll, ebsNone, {0, 0, 0, 0}},
    {"thick on the named edges", false, false, bLeft | bBottom, ebsThick, {2, 0, 0, 2}},
    {"ultra-flat as single", false, false, bAll, {}, {1, 1, 1, 1}},
    {"shadow: 3 more right and below", true, true, bAll, {}, {2, 2, 5, 5}},
};

TEST(EditViewTest, BorderExtents) {
    TFont font;
    for (const TExtentRow& row : kExtents) {
        TEditStyles styles(&font, false);
        styles.Style.SetTransparentBorder(row.TransparentBorder);
        styles.Style.SetShadow(row.Shadow);
        styles.Style.SetEdges(row.Edges);
        if (row.Border) styles.Style.SetBorderStyle(*row.Border);
        TEditViewInfo view = CalculateEditView(styles, esNormal, TRect{0, 0, 100, 30}, {});
        EXPECT_EQ(view.Extents, row.Extents) << row.Name;
    }
}

TEST(EditViewTest, TheFourStylesShareOneLookAndFeel) {
    TFont font;
    TEditStyles styles(&font, false);
    int changes = 0;
    styles.SetOnChanged([&] { ++changes; });
    styles.StyleHot.LookAndFeel().SetNativeStyle(true);
    EXPECT_EQ(&styles.StyleHot.LookAndFeel(), &styles.Style.LookAndFeel());
    EXPECT_EQ(&styles.StyleDisabled.LookAndFeel(), &styles.Style.LookAndFeel());
    EXPECT_TRUE(styles.StyleFocused.LookAndFeel().NativeStyle());
    EXPECT_EQ(changes, 1);
}

TEST(EditViewTest, HotOnlyWithoutButtonsDownUnlessCaptured) {
    EXPECT_TRUE(PointerMakesHot(true, false, false));
    EXPECT_FALSE(PointerMakesHot(true, true, false));  // pressed outside, moved over it
    EXPECT_TRUE(PointerMakesHot(true, true, true));
    EXPECT_FALSE(PointerMakesHot(false, false, true));
    EXPECT_EQ(EditStates(false, true, true), esDisabled);
    EXPECT_EQ(EditStates(true, true, true), esFocused | esHot);
}

}  // namespace
