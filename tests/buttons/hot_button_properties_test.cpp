// Published properties: read from a layout, setters that repaint only on a change, grouped
// latching, the picture's image count, predefined kinds and the modal result a click hands on.
#include <gtest/gtest.h>

#include <functional>

#include "controls/buttons/hot_bit_btn.h"
#include "tests/buttons/button_fixture.h"
#include "toolkit/exceptions.h"
#include "toolkit/form_loader.h"
#include "toolkit/image_list.h"

namespace {

class TNoResources : public TLayoutContext {
public:
    std::vector<std::uint8_t> Resource(const std::string& name) const override {
        throw Exception("no resource " + name);
    }
    TNotifyEvent NotifyHandler(const std::string&) const override { return [](TComponent*) {}; }
    TKeyPressEvent KeyPressHandler(const std::string&) const override { return {}; }
};

}  // namespace

class THotButtonPropertiesTest : public TButtonTest {};

TEST_F(THotButtonPropertiesTest, EveryPublishedPropertyIsReadFromTheLayout) {
    RegisterComponentClass<THotBitBtn>("THotBitBtn");
    TForm form(nullptr);
    LoadForm(form, ReadLayout(R"(object F: TForm
  object B: THotBitBtn
    AlignmentVertical = avBottom
    FrameFlat = True
    HotTrackColor = 3983359
    HotTrackColorType = htctComplement
    HighlightColor = clBtnFace
    TextStyle = tsShadow
    LightTextStyle = True
    TextHighlightColor = clWhite
    TextShadowColor = clBlack
    TextShadowDepth = 3
    ThemeAware = False
    Alignment = taRightJustify
    Default = True
    Cancel = True
    ModalResult = 6
    FrameColor = clBtnShadow
    ShowFocusRect = False
    GroupIndex = 2
    AllowAllUp = True
    Down = True
    ShowDownPattern = False
    DropDownOnEnter = False
    Layout = blGlyphTop
    Margin = 7
    Spacing = 9
    NumGlyphs = 3
    ImageIndex = 4
    DisabledIndex = 5
    OnMouseEnter = Entered
    OnMouseLeave = Left
  end
end
)"),
             TNoResources());
    auto& b = dynamic_cast<THotBitBtn&>(*form.FindComponent("B"));
    EXPECT_EQ(b.AlignmentVertical(), TAlignmentVertical::avBottom);
    EXPECT_TRUE(b.HotTrack()) << "FrameFlat is the older name of HotTrack";
    EXPECT_TRUE(b.Transparent()) << "follows HotTrack";
    EXPECT_EQ(b.HotTrackColor(), 3983359u);
    EXPECT_EQ(b.HotTrackColorType(), THotTrackColorType::htctComplement);
    EXPECT_EQ(b.HighlightColor(), clBtnFace);
    EXPECT_EQ(b.TextStyle(), TTextStyle::tsShadow);
    EXPECT_TRUE(b.LightTextStyle());
    EXPECT_EQ(b.TextHighlightColor(), clWhite);
    EXPECT_EQ(b.TextShadowColor(), clBlack);
    EXPECT_EQ(b.TextShadowDepth(), 3);
    EXPECT_FALSE(b.ThemeAware());
    EXPECT_EQ(b.Alignment(), TAlignment::taRightJustify);
    EXPECT_TRUE(b.Default());
    EXPECT_TRUE(b.Cancel());
    EXPECT_EQ(b.ModalResult(), mrYes);
    EXPECT_EQ(b.FrameColor(), clBtnShadow);
    EXPECT_FALSE(b.ShowFocusRect());
    EXPECT_EQ(b.GroupIndex(), 2);
    EXPECT_TRUE(b.AllowAllUp());
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(b.ShowDownPattern());
    EXPECT_FALSE(b.DropDownOnEnter());
    EXPECT_EQ(b.Layout(), TButtonLayout::blGlyphTop);
    EXPECT_EQ(b.Margin(), 7);
    EXPECT_EQ(b.Spacing(), 9);
    EXPECT_EQ(b.NumGlyphs(), 3);
    EXPECT_EQ(b.ImageIndex(), 4);
    EXPECT_EQ(b.DisabledIndex(), 5);
    EXPECT_TRUE(b.OnMouseEnter && b.OnMouseLeave);
}

TEST_F(THotButtonPropertiesTest, AValueTheButtonWouldRefuseIsALayoutError) {
    RegisterComponentClass<THotBitBtn>("THotBitBtn");
    struct {
        const char* Line;
        const char* Message;
    } const cases[] = {
        {"NumGlyphs = 5", "Layout line 3: NumGlyphs: 5 is out of range"},
        {"NumGlyphs = 0", "Layout line 3: NumGlyphs: 0 is out of range"},
        {"Margin = -2", "Layout line 3: Margin: -2 is out of range"},
        {"Kind = bkMaybe", "Layout line 3: Kind: unknown value bkMaybe"},
        {"TextStyle = tsBold", "Layout line 3: TextStyle: unknown value tsBold"},
        {"Glyph.Data = 'text'", "Layout line 3: Glyph.Data: a glyph is a resource holding a BMP file"},
        {"Images = NoSuchList", "The layout names no image list NoSuchList"},
    };
    for (const auto& row : cases) {
        TForm form(nullptr);
        std::string text = std::string("object F: TForm\n  object B: THotBitBtn\n    ") + row.Line + "\n  end\nend\n";
        try {
            LoadForm(form, ReadLayout(text), TNoResources());
            ADD_FAILURE() << row.Line << ": accepted";
        } catch (const Exception& error) {
            EXPECT_STREQ(error.what(), row.Message) << row.Line;
        }
    }
}

TEST_F(THotButtonPropertiesTest, ClassDefaults) {
    THotBitBtn b(nullptr);
    EXPECT_EQ(b.Width(), 75);
    EXPECT_EQ(b.Height(), 25);
    EXPECT_TRUE(b.TabStop());
    EXPECT_FALSE(b.HotTrack());
    EXPECT_EQ(b.HotTrackColor(), 1350640u);
    EXPECT_EQ(b.HotTrackColorType(), THotTrackColorType::htctActual);
    EXPECT_EQ(b.HighlightColor(), clHighlight);
    EXPECT_EQ(b.FrameColor(), cl3DDkShadow);
    EXPECT_EQ(b.TextShadowDepth(), 2);
    EXPECT_TRUE(b.ThemeAware());
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_TRUE(b.ShowDownPattern());
    EXPECT_EQ(b.NumGlyphs(), 1);
    EXPECT_EQ(b.Margin(), 2);
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.ImageIndex(), -1);
    EXPECT_EQ(b.Kind(), TBitBtnKind::bkCustom);
}

TEST_F(THotButtonPropertiesTest, ASetterRepaintsOnlyWhenTheValueChanged) {
    struct {
        const char* Name;
        std::function<void(THotBitBtn&)> Same, Different;
    } const setters[] = {
        {"HotTrackColor", [](THotBitBtn& b) { b.SetHotTrackColor(3983359); },
         [](THotBitBtn& b) { b.SetHotTrackColor(255); }},
        {"HighlightColor", [](THotBitBtn& b) { b.SetHighlightColor(16026986); },
         [](THotBitBtn& b) { b.SetHighlightColor(0); }},
        {"Caption", [](THotBitBtn& b) { b.SetCaption(L"保存"); }, [](THotBitBtn& b) { b.SetCaption(L"x"); }},
        {"Alignment", [](THotBitBtn& b) { b.SetAlignment(TAlignment::taCenter); },
         [](THotBitBtn& b) { b.SetAlignment(TAlignment::taLeftJustify); }},
        {"FrameColor", [](THotBitBtn& b) { b.SetFrameColor(cl3DDkShadow); },
         [](THotBitBtn& b) { b.SetFrameColor(clBlack); }},
        {"Margin", [](THotBitBtn& b) { b.SetMargin(-5); }, [](THotBitBtn& b) { b.SetMargin(3); }},
        {"Spacing", [](THotBitBtn& b) { b.SetSpacing(4); }, [](THotBitBtn& b) { b.SetSpacing(1); }},
        {"TextStyle", [](THotBitBtn& b) { b.SetTextStyle(TTextStyle::tsNormal); },
         [](THotBitBtn& b) { b.SetTextStyle(TTextStyle::tsRaised); }},
    };
    for (const auto& setter : setters) {
        Pump();
        ValidateRect(FButton->Handle(), nullptr);
        setter.Same(*FButton);
        EXPECT_FALSE(GetUpdateRect(FButton->Handle(), nullptr, FALSE)) << setter.Name << ": unchanged";
        setter.Different(*FButton);
        EXPECT_TRUE(GetUpdateRect(FButton->Handle(), nullptr, FALSE)) << setter.Name << ": changed";
    }
    EXPECT_EQ(FButton->Margin(), 3) << "a Margin below -1 was refused";
}

TEST_F(THotButtonPropertiesTest, GroupedLatching) {
    THotBitBtn& second = AddButton("Second", 120, 20);
    FButton->SetGroupIndex(1);
    second.SetGroupIndex(1);
    FButton->SetDown(true);
    second.SetDown(true);
    EXPECT_FALSE(FButton->Down()) << "latching one releases the other";
    second.SetDown(false);
    EXPECT_TRUE(second.Down()) << "without AllowAllUp the last latched member stays down";
    second.SetAllowAllUp(true);
    EXPECT_TRUE(FButton->AllowAllUp()) << "the group takes the sender's AllowAllUp";
    SendMessageW(second.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(second.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(second.Down()) << "a click releases it now";
    EXPECT_EQ(Clicks("Second"), 1);
    SendMessageW(FButton->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(FButton->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(FButton->Down()) << "a click latches";
    EXPECT_TRUE(FButton->ComputeView().DownPattern);
    EXPECT_EQ(FButton->ComputeView().Look, TFaceLook::flPressed);
    THotBitBtn& ungrouped = AddButton("Ungrouped", 220, 20);
    ungrouped.SetDown(true);
    EXPECT_FALSE(ungrouped.Down()) << "Down is ignored without a group";
}

TEST_F(THotButtonPropertiesTest, NumGlyphsFollowsTheGlyphsShape) {
    struct {
        int Width, Height, Want;
    } const cases[] = {{32, 16, 2}, {64, 16, 4}, {80, 16, 1}, {16, 16, 1}, {30, 16, 1}, {48, 0, 1}};
    for (const auto& row : cases) {
        FButton->SetNumGlyphs(1);
        TBitmap glyph;
        glyph.SetSize(row.Width, row.Height);
        FButton->SetGlyph(glyph);  // a glyph without height must not divide by zero
        EXPECT_EQ(FButton->NumGlyphs(), row.Want) << row.Width << " x " << row.Height;
    }
}

TEST_F(THotButtonPropertiesTest, AGlyphTakesRoomBesideTheCaption) {
    TBitmap glyph;
    glyph.SetSize(32, 16);
    FButton->SetGlyph(glyph);
    EXPECT_EQ(FButton->NumGlyphs(), 2);
    // 16 wide at Margin 2 from the left of (5, 5, 84, 28), then Spacing 4.
    EXPECT_EQ(FButton->ComputeView().CaptionRect, (TRect{5 + 2 + 16 + 4, 5, 84, 28}));
}

TEST_F(THotButtonPropertiesTest, KindsBringTheirCaptionResultAndGlyph) {
    FButton->SetCaption(L"");
    FButton->SetKind(TBitBtnKind::bkOK);
    EXPECT_EQ(FButton->Caption(), L"OK");
    EXPECT_TRUE(FButton->Default());
    EXPECT_EQ(FButton->ModalResult(), mrOk);
    EXPECT_EQ(FButton->NumGlyphs(), 2);
    EXPECT_FALSE(FButton->Glyph().Empty());
    EXPECT_EQ(FButton->Kind(), TBitBtnKind::bkOK);
    FButton->SetModalResult(mrNone);
    EXPECT_EQ(FButton->Kind(), TBitBtnKind::bkCustom) << "changed later, the kind reads custom";
    FButton->SetKind(TBitBtnKind::bkCancel);
    EXPECT_TRUE(FButton->Cancel());
    EXPECT_FALSE(FButton->Default());
}

TEST_F(THotButtonPropertiesTest, AClickHandsTheModalResultToTheForm) {
    FButton->SetModalResult(mrRetry);
    SendMessageW(FButton->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(FButton->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(FForm->ModalResult(), mrRetry);
    EXPECT_EQ(Clicks("Button"), 1);
}

TEST_F(THotButtonPropertiesTest, TheButtonLetsGoOfADestroyedImageList) {
    auto* images = new TCustomImageList(nullptr, 16, 16);
    TBitmap picture;
    picture.SetSize(16, 16);
    images->Add(picture);
    FButton->SetImages(images);
    FButton->SetImageIndex(0);
    EXPECT_EQ(FButton->ComputeView().CaptionRect.Left, 5 + 2 + 16 + 4);
    delete images;
    EXPECT_EQ(FButton->Images(), nullptr);
    EXPECT_EQ(FButton->ComputeView().CaptionRect, (TRect{5, 5, 84, 28}));
}

TEST_F(THotButtonPropertiesTest, AnExceptionFromOnClickPassesOnAfterTheClickEnds) {
    FButton->OnClick = [this](TComponent*) {
        EXPECT_TRUE(FButton->InClick());
        throw Exception("refused");
    };
    FButton->SetFocus();
    SendMessageW(FButton->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    SendMessageW(FButton->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_FALSE(FButton->InClick());
}
