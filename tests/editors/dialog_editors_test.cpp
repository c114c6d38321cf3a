// The dialog's editors and radio group as a user sees them: the window region with the outer
// ring showing the dialog, the frame and content colours in each state, and repainting after a
// change of system colours or of the theme.
#include <gtest/gtest.h>

#include "controls/buttons/hot_bit_btn.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "tests/dialog/dialog_fixture.h"
#include "tests/editors/editor_pixels.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/theme_services.h"

namespace {

class DialogEditorsTest : public TDialogTest {
protected:
    // The pointer away from the dialog, so that no editor starts hot.
    void SetUp() override {
        SetCursorPos(0, 0);
        TDialogTest::SetUp();
    }
    void TearDown() override {
        SetCursorPos(0, 0);
        TDialogTest::TearDown();
    }
    // What the screen shows at a point of a control's parent: read from the dialog's window.
    std::string ScreenPixel(TControl& control, int x, int y) {
        FApplication->ProcessMessages();
        UpdateWindow(FDialog->Handle());
        TWindowDC dc(FDialog->Handle());
        COLORREF c = GetPixel(dc.Get(), control.Left() + x, control.Top() + y);
        return HexPixel((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
};

enum class TState { Idle, Focused, Hot, Disabled };

struct TStateRow {
    const char* Name;
    TState State;
    TColor Frame;
    TColor Content;
};

const TStateRow kStates[] = {
    {"idle", TState::Idle, clBtnShadow, clWindow},
    {"focused", TState::Focused, clHighlight, clWindow},
    {"under the pointer", TState::Hot, clHighlight, clWindow},
    {"disabled", TState::Disabled, clBtnShadow, clBtnFace},
};

void Enter(TFrmCorvane& dialog, TTextEdit& edit, TState state) {
    dialog.RdgConnType->SetItemIndex(state == TState::Disabled ? 0 : 1);
    dialog.BtnSave->SetFocus();
    if (state == TState::Focused) edit.SetFocus();
    if (state == TState::Hot) {
        RECT r;
        GetWindowRect(edit.Handle(), &r);
        SetCursorPos(r.left + 30, r.top + 12);
        SendMessageW(edit.InnerEdit(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
    }
}

TEST_F(DialogEditorsTest, EditorsInEachState) {
    TFrmCorvane& dialog = OpenDialog();
    for (const TStateRow& row : kStates) {
        for (TTextEdit* edit : {dialog.EditServerName, dialog.EditDatabaseName, dialog.EditUserName,
                                dialog.EditPassword}) {
            if (row.State == TState::Disabled && edit != dialog.EditUserName && edit != dialog.EditPassword) continue;
            Enter(dialog, *edit, row.State);
            Pump();
            // A pointer move Wine reported while the dialog appeared under the old pointer
            // position ends with the next ticks of the tracking timer.
            for (int i = 0; i < 50 && row.State != TState::Hot && edit->Hot(); ++i) {
                Sleep(10);
                Pump();
            }
            SCOPED_TRACE(edit->Name() + " " + row.Name + (edit->Hot() ? " hot" : "") +
                         (edit->Focused() ? " focused" : ""));
            RECT region = WindowRegionBox(edit->Handle());
            EXPECT_EQ(region.left, 1);
            EXPECT_EQ(region.top, 1);
            EXPECT_EQ(region.right, 224);
            EXPECT_EQ(region.bottom, 24);
            TPixels pixels = PrintedPixels(*edit);
            std::string frame = HexPixel(PixelOf(row.Frame)), content = HexPixel(PixelOf(row.Content));
            for (POINT p : {POINT{1, 1}, POINT{223, 1}, POINT{1, 23}, POINT{223, 23}, POINT{100, 1}, POINT{1, 12}})
                EXPECT_EQ(HexPixel(pixels.At(p.x, p.y)), frame) << p.x << "," << p.y;
            EXPECT_EQ(HexPixel(pixels.At(2, 2)), content);
            EXPECT_EQ(HexPixel(pixels.At(222, 22)), content);
            // On the screen the outer ring is the dialog's, the frame just inside it.
            EXPECT_EQ(ScreenPixel(*edit, 0, 0), HexPixel(PixelOf(clBtnFace)));
            EXPECT_EQ(ScreenPixel(*edit, 224, 12), HexPixel(PixelOf(clBtnFace)));
            EXPECT_EQ(ScreenPixel(*edit, 1, 12), frame);
            EXPECT_EQ(ScreenPixel(*edit, 223, 12), frame) << "the inner edit leaves the frame whole";
            SetCursorPos(0, 0);
            Pump();
        }
    }
}

TEST_F(DialogEditorsTest, DisabledUserNameKeepsItsTextInTheDisabledColours) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.RdgConnType->SetItemIndex(0);
    Pump();
    EXPECT_EQ(dialog.EditUserName->Text(), "Sa");
    EXPECT_EQ(dialog.EditUserName->ViewInfo().TextColor, clBtnShadow);
    ClickAt(*dialog.EditUserName, 20, 10);
    EXPECT_NE(FocusedName(), "EditUserName");
}

TEST_F(DialogEditorsTest, TheRadioGroupShowsTheDialogAroundItsButtons) {
    TFrmCorvane& dialog = OpenDialog();
    RECT region = WindowRegionBox(dialog.RdgConnType->Handle());
    EXPECT_EQ(region.left, 2);
    EXPECT_EQ(region.top, 0);
    EXPECT_EQ(region.right, 259);
    EXPECT_EQ(region.bottom, 58);
    TCustomRadioGroupButton* button = dialog.RdgConnType->Item(0);
    EXPECT_EQ(button->Left(), 8);
    EXPECT_EQ(button->Left() + button->Width(), 259);
    EXPECT_EQ(ScreenPixel(*dialog.RdgConnType, 1, 30), HexPixel(PixelOf(clBtnFace)));
    const TRect& glyph = button->ViewInfo().Glyph;
    EXPECT_EQ(ScreenPixel(*dialog.RdgConnType, 8 + glyph.Left, button->Top() + glyph.Top),
              HexPixel(PixelOf(clBtnFace)))
        << "the glyph's corner shows the dialog";
}

TEST_F(DialogEditorsTest, ASystemColourChangeRepaintsEditorsAndGlyphs) {
    TFrmCorvane& dialog = OpenDialog();
    TThemeServices& themes = TThemeServices::Instance();
    Pump();
    ValidateRect(dialog.EditServerName->Handle(), nullptr);
    ValidateRect(dialog.RdgConnType->Item(1)->Handle(), nullptr);
    SendMessageW(themes.NotifyWindow(), WM_SYSCOLORCHANGE, 0, 0);
    RECT dirty;
    EXPECT_TRUE(GetUpdateRect(dialog.EditServerName->Handle(), &dirty, FALSE));
    EXPECT_TRUE(GetUpdateRect(dialog.RdgConnType->Item(1)->Handle(), &dirty, FALSE));
    Pump();
    ValidateRect(dialog.RdgConnType->Item(1)->Handle(), nullptr);
    SendMessageW(themes.NotifyWindow(), WM_THEMECHANGED, 0, 0);
    EXPECT_TRUE(GetUpdateRect(dialog.RdgConnType->Item(1)->Handle(), &dirty, FALSE));
}

TEST_F(DialogEditorsTest, RadioGlyphsAreThemedExactlyWhenThemesAreActive) {
    TFrmCorvane& dialog = OpenDialog();
    TThemeServices& themes = TThemeServices::Instance();
    for (TCustomRadioGroupButton* button : {dialog.RdgConnType->Item(0), dialog.RdgConnType->Item(1)})
        EXPECT_EQ(button->ViewInfo().Painter->Native(), themes.ThemesActive());
    EXPECT_FALSE(dialog.EditServerName->ViewInfo().Native) << "the editors stay ultra-flat";
}

TEST_F(DialogEditorsTest, WithoutThemesTheRadioGlyphsAreTheStandardOnes) {
    TThemeServices& themes = TThemeServices::Instance();
    themes.UseApiForTesting(std::nullopt);  // no theme library
    themes.TakeThemeChange();
    TFrmCorvane& dialog = OpenDialog();
    TCustomRadioGroupButton* checked = dialog.RdgConnType->Item(dialog.RdgConnType->ItemIndex());
    const TRadioButtonViewInfo& view = checked->ViewInfo();
    bool native = view.Painter->Native();
    int kind = static_cast<int>(view.Painter->Kind());
    TRect glyph = view.Glyph;
    TPixels pixels = PrintedPixels(*checked);
    themes.RestorePlatformApi();
    themes.TakeThemeChange();
    EXPECT_FALSE(native);
    EXPECT_EQ(kind, static_cast<int>(TLookAndFeelKind::lfStandard));
    EXPECT_EQ(glyph.Left, 1);
    EXPECT_EQ(HexPixel(pixels.At(glyph.Left + glyph.Width() / 2, glyph.Top + glyph.Height() / 2)),
              HexPixel(PixelOf(clWindowText)));
    EXPECT_EQ(HexPixel(pixels.At(glyph.Left + glyph.Width() / 2, glyph.Top)), HexPixel(PixelOf(clBtnShadow)))
        << "the outer ring's top";
    EXPECT_EQ(HexPixel(pixels.At(glyph.Left + glyph.Width() / 2, glyph.Bottom - 1)),
              HexPixel(PixelOf(clBtnHighlight)))
        << "the outer ring's bottom";
    EXPECT_FALSE(dialog.EditServerName->ViewInfo().Native);
}

}  // namespace
