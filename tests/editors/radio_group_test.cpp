// The radio group on a real form: ItemIndex rules and OnChange, layout, keys and tab stops,
// transparent painting, the buttons' kind and colours, and themed or non-themed glyphs.
#include <gtest/gtest.h>

#include "controls/editors/radio_group.h"
#include "tests/editors/editor_form.h"
#include "tests/editors/editor_pixels.h"
#include "tests/editors/fake_theme_api.h"

namespace {

class RadioGroupTest : public EditorFormTest {
protected:
    // Two items, ItemIndex 1 as designed (read while loading), like the dialog's group.
    TRadioGroup* AddGroup(int designedIndex = 1) {
        auto group = new TRadioGroup(FForm.get());
        group->SetName("Rdg");
        group->BeginLoading();
        group->SetParent(FForm.get());
        group->SetBounds(20, 20, 261, 60);
        group->Font().SetName(L"宋体");
        group->Font().SetHeight(-12);
        group->SetItems(std::vector<std::wstring>{L"Windows 身份验证", L"SQL Server 身份验证"});
        group->Style().SetBorderStyle(TEditBorderStyle::ebsNone);
        group->Style().LookAndFeel().SetNativeStyle(true);
        group->SetTransparent(true);
        group->SetTabOrder(1);
        group->SetItemIndex(designedIndex);
        group->OnChange = [this](TComponent*) {
            ++FChanges;
            FIndexInHandler = FGroup->ItemIndex();
        };
        FGroup = group;
        EXPECT_EQ(group->ItemIndex(), designedIndex);  // pending while loading
        group->Loaded();
        return group;
    }
    TWinControl* AddProbe(const char* name, int tabOrder) {
        auto probe = new TCustomControl(FForm.get());
        probe->SetName(name);
        probe->SetBounds(300, 20 * tabOrder, 40, 15);
        probe->SetTabOrder(tabOrder);
        probe->SetTabStop(true);
        probe->SetParent(FForm.get());
        return probe;
    }
    TRadioGroup* FGroup = nullptr;
    int FChanges = 0;
    int FIndexInHandler = -2;
};

struct TIndexRow {
    int Set;
    int Index;
    int Changes;
};

TEST_F(RadioGroupTest, ItemIndexIsLimitedAndAnnouncedOnlyOnARealChange) {
    const TIndexRow rows[] = {{0, 0, 1}, {1, 1, 0}, {5, 1, 0}, {-5, -1, 1}, {-1, -1, 1}};
    for (const TIndexRow& row : rows) {
        TRadioGroup* group = AddGroup();
        EXPECT_EQ(FChanges, 0) << "loading announces nothing";
        group->SetItemIndex(row.Set);
        EXPECT_EQ(group->ItemIndex(), row.Index) << "set " << row.Set;
        EXPECT_EQ(FChanges, row.Changes) << "set " << row.Set;
        delete group;
        FChanges = 0;
    }
}

TEST_F(RadioGroupTest, ChangesAfterMinusOneAreAnnouncedWithTheNewIndexReadable) {
    TRadioGroup* group = AddGroup(-1);
    group->SetItemIndex(1);
    EXPECT_EQ(FChanges, 1);
    EXPECT_EQ(FIndexInHandler, 1);
}

TEST_F(RadioGroupTest, EqualCaptionsCheckTheFirst) {
    TRadioGroup* group = AddGroup(-1);
    group->SetItems(std::vector<std::wstring>{L"Same", L"Same"});
    group->SetItemIndex(1);
    EXPECT_EQ(group->ItemIndex(), 0);
}

TEST_F(RadioGroupTest, NoItemsLayNothingOut) {
    auto group = new TRadioGroup(FForm.get());
    group->SetParent(FForm.get());
    group->SetColumns(0);
    group->SetBounds(0, 0, 100, 50);
    EXPECT_TRUE(group->ViewInfo().Buttons.empty());
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(3);
    EXPECT_EQ(group->ItemIndex(), -1);
}

struct TLayoutRow {
    const char* Name;
    int Count, Columns, Width, Height;
    TEditExtents Extents;
    std::vector<TRect> Rects;
};

TEST(RadioGroupLayoutTest, ColumnsAndRows) {
    const TLayoutRow rows[] = {
        {"the dialog's group", 2, 1, 261, 60, {2, 15, 2, 2}, {{8, 15, 259, 36}, {8, 36, 259, 57}}},
        {"columns below 1 count as 1", 2, -3, 261, 60, {2, 15, 2, 2}, {{8, 15, 259, 36}, {8, 36, 259, 57}}},
        {"three items in two columns: the first filled top down", 3, 2, 106, 44, {2, 2, 2, 2},
         {{8, 2, 56, 22}, {8, 22, 56, 42}, {56, 2, 104, 22}}},
        {"more columns than items", 2, 5, 106, 24, {2, 2, 2, 2}, {{8, 2, 56, 22}, {56, 2, 104, 22}}},
        {"spare height split above and below", 2, 1, 50, 25, {2, 2, 2, 2}, {{8, 2, 48, 12}, {8, 12, 48, 22}}},
        {"no items", 0, 1, 100, 100, {2, 2, 2, 2}, {}},
    };
    for (const TLayoutRow& row : rows)
        EXPECT_EQ(RadioGroupButtonRects(row.Count, row.Columns, row.Width, row.Height, row.Extents), row.Rects)
            << row.Name;
    EXPECT_EQ(RadioGroupGrid(5, 2).Rows, 3);
    EXPECT_EQ(RadioGroupGrid(5, 4).Columns, 3);  // 2 rows: the items spread evenly over 3 columns
    EXPECT_EQ(RadioGroupExtents({2, 2, 2, 2}, TCaptionAlignment::alTopLeft, 12), (TEditExtents{2, 15, 2, 2}));
    EXPECT_EQ(RadioGroupExtents({2, 2, 2, 2}, TCaptionAlignment::alRightCenter, 12), (TEditExtents{2, 2, 15, 2}));
    EXPECT_EQ(RadioGroupExtents({2, 2, 2, 2}, TCaptionAlignment::alCenterCenter, 12), (TEditExtents{2, 2, 2, 2}));
}

TEST_F(RadioGroupTest, TheDialogsGroupLaysItsButtonsOutForItsFont) {
    TRadioGroup* group = AddGroup();
    Show();
    TCanvas measure;
    measure.Font() = group->Font();
    int top = measure.TextExtent(L"Qq").cy + 3;
    int row = (60 - top - 2) / 2;
    int first = top + (60 - top - 2) % 2 / 2;
    EXPECT_EQ(group->Item(0)->BoundsRect(), (TRect{8, first, 259, first + row}));
    RECT region = WindowRegionBox(group->Handle());
    EXPECT_EQ(region.left, 2);
    EXPECT_EQ(region.top, 0);
    EXPECT_EQ(region.right, 259);
    EXPECT_EQ(region.bottom, 58);
}

TEST_F(RadioGroupTest, ClicksAndArrowKeysChangeTheValueOnce) {
    TRadioGroup* group = AddGroup(0);
    Show();
    group->Item(0)->SetFocus();
    Pump();
    SendMessageW(group->Item(0)->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(group->Item(0)->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(FChanges, 0) << "clicking the checked item";
    SendMessageW(group->Item(1)->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(group->Item(1)->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(FChanges, 1);
    EXPECT_EQ(FIndexInHandler, 1);
    EXPECT_EQ(FocusedName(), "Rdg[1]");
    struct {
        UINT Key;
        int Index;
    } const keys[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_UP, 0}, {VK_LEFT, 1}, {VK_RIGHT, 0}, {VK_SPACE, 0}};
    int changes = FChanges;
    for (const auto& key : keys) {
        int before = group->ItemIndex();
        PressKey(key.Key);
        EXPECT_EQ(group->ItemIndex(), key.Index) << "key " << key.Key;
        EXPECT_EQ(FocusedName(), "Rdg[" + std::to_string(key.Index) + "]") << "key " << key.Key;
        changes += before != key.Index ? 1 : 0;
        EXPECT_EQ(FChanges, changes) << "key " << key.Key;
    }
}

TEST_F(RadioGroupTest, TabReachesOnlyTheCheckedButton) {
    AddProbe("First", 0);
    TRadioGroup* group = AddGroup(1);
    AddProbe("Last", 2);
    Show();
    FForm->FindComponent("First") ? static_cast<TWinControl*>(FForm->FindComponent("First"))->SetFocus() : void();
    Pump();
    const char* order[] = {"Rdg[1]", "Last", "First", "Rdg[1]"};
    for (const char* name : order) {
        PressKey(VK_TAB);
        EXPECT_EQ(FocusedName(), name);
    }
    group->SetItemIndex(-1);  // nothing checked: the group is passed by
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "Last");
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "Last");
}

TEST_F(RadioGroupTest, TransparentOverTheForm) {
    FForm->SetColor(MakeRGB(10, 200, 30));
    TRadioGroup* group = AddGroup();
    Show();
    TPixels groupPixels = PrintedPixels(*group);
    EXPECT_EQ(HexPixel(groupPixels.At(3, 3)), "0AC81E");
    TPixels button = PrintedPixels(*group->Item(0));
    const TRect& glyph = group->Item(0)->ViewInfo().Glyph;
    EXPECT_EQ(HexPixel(button.At(0, 0)), "0AC81E");
    EXPECT_EQ(HexPixel(button.At(glyph.Left, glyph.Top)), "0AC81E") << "the glyph's corner";
    EXPECT_EQ(HexPixel(button.At(button.Width - 1, 1)), "0AC81E");
}

struct TKindRow {
    TEditBorderStyle Border;
    TLookAndFeelKind Kind;
};

TEST_F(RadioGroupTest, ButtonsTakeTheirKindFromTheGroupsBorderStyle) {
    TRadioGroup* group = AddGroup();
    const TKindRow rows[] = {{TEditBorderStyle::ebsNone, TLookAndFeelKind::lfStandard},
                             {TEditBorderStyle::ebs3D, TLookAndFeelKind::lfStandard},
                             {TEditBorderStyle::ebsUltraFlat, TLookAndFeelKind::lfUltraFlat},
                             {TEditBorderStyle::ebsOffice11, TLookAndFeelKind::lfOffice11},
                             {TEditBorderStyle::ebsSingle, TLookAndFeelKind::lfFlat},
                             {TEditBorderStyle::ebsThick, TLookAndFeelKind::lfFlat},
                             {TEditBorderStyle::ebsFlat, TLookAndFeelKind::lfFlat}};
    for (const TKindRow& row : rows) {
        group->Style().SetBorderStyle(row.Border);
        EXPECT_EQ(group->Item(1)->LookAndFeel().Kind(), row.Kind) << static_cast<int>(row.Border);
        EXPECT_TRUE(group->Item(1)->LookAndFeel().NativeStyle()) << "native style follows the group";
    }
}

class RadioGroupThemeTest : public RadioGroupTest {
protected:
    void TearDown() override {
        UsePlatformThemes();
        RadioGroupTest::TearDown();
    }
};

TEST_F(RadioGroupThemeTest, ThemedGlyphsWithThemesOnStandardOnesWithout) {
    UseFakeThemes(TThemeMode::tmOn);
    TRadioGroup* group = AddGroup();
    Show();
    TCustomRadioGroupButton* checked = group->Item(1);
    TPixels pixels = PrintedPixels(*checked);
    TRect glyph = checked->ViewInfo().Glyph;
    EXPECT_EQ(glyph.Left, 0);
    EXPECT_EQ(glyph.Width(), 16);
    COLORREF themed = FakeThemeColor(2, 5);
    EXPECT_EQ(HexPixel(pixels.At(glyph.Left + 8, glyph.Top + 8)),
              HexPixel((GetRValue(themed) << 16) | (GetGValue(themed) << 8) | GetBValue(themed)));
    UseFakeThemes(TThemeMode::tmOff);  // the theme change repaints in the standard kind
    pixels = PrintedPixels(*checked);
    glyph = checked->ViewInfo().Glyph;
    EXPECT_EQ(glyph.Left, 1);
    EXPECT_FALSE(checked->ViewInfo().Painter->Native());
    EXPECT_EQ(HexPixel(pixels.At(glyph.Left + glyph.Width() / 2, glyph.Top + glyph.Height() / 2)),
              HexPixel(PixelOf(clWindowText)));
}

TEST_F(RadioGroupThemeTest, DisablingShowsDisabledColoursAndGlyphs) {
    UseFakeThemes(TThemeMode::tmOff);
    TRadioGroup* group = AddGroup();
    Show();
    group->SetEnabled(false);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(group->Item(i)->Enabled());
        EXPECT_EQ(group->Item(i)->ViewInfo().TextColor, clBtnShadow);
        EXPECT_EQ(group->Item(i)->ViewInfo().Hover, THoverState::hsDisabled);
    }
    TCustomRadioGroupButton* checked = group->Item(1);
    TPixels pixels = PrintedPixels(*checked);
    TRect glyph = checked->ViewInfo().Glyph;
    EXPECT_EQ(HexPixel(pixels.At(glyph.Left + glyph.Width() / 2, glyph.Top + glyph.Height() / 2)),
              HexPixel(PixelOf(clBtnShadow)));
    group->SetEnabled(true);
    EXPECT_EQ(group->Item(1)->ViewInfo().TextColor, clWindowText);
}

TEST_F(RadioGroupThemeTest, WordWrapWrapsLongCaptionsWithinTheirMargins) {
    UseFakeThemes(TThemeMode::tmOff);
    TRadioGroup* group = AddGroup();
    group->SetBounds(20, 20, 120, 90);
    Show();
    TCustomRadioGroupButton* button = group->Item(1);
    const TRect caption = button->ViewInfo().Caption;
    EXPECT_FALSE(button->ViewInfo().WordWrap);
    auto textBelowMiddle = [&] {
        TPixels pixels = PrintedPixels(*button);
        int count = 0;
        for (int y = button->Height() / 2 + 6; y < button->Height(); ++y)
            for (int x = caption.Left; x < button->Width(); ++x) count += pixels.At(x, y) == PixelOf(clWindowText);
        return count;
    };
    EXPECT_EQ(textBelowMiddle(), 0) << "one line, centred";
    EXPECT_EQ(caption.Right, button->Width());
    group->SetWordWrap(true);
    EXPECT_TRUE(button->ViewInfo().WordWrap);
    EXPECT_EQ(button->ViewInfo().Caption.Right, button->Width() - 2);
    // "SQL Server 身份验证" no longer fits on one line: text shows below the middle line too.
    EXPECT_GT(textBelowMiddle(), 0);
}

}  // namespace
