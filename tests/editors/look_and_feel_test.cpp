// Look and feel: effective values through the master chain, listeners, and the painter chosen
// with themes on, off and absent.
#include <gtest/gtest.h>

#include "controls/editors/look_and_feel.h"
#include "controls/editors/look_and_feel_controller.h"
#include "controls/editors/look_and_feel_painter.h"
#include "tests/editors/fake_theme_api.h"

namespace {

using enum TLookAndFeelKind;

struct TAssign {
    std::optional<TLookAndFeelKind> Kind;
    std::optional<bool> Native;
};

void Apply(TLookAndFeel& lookAndFeel, const TAssign& assign) {
    if (assign.Kind) lookAndFeel.SetKind(*assign.Kind);
    if (assign.Native) lookAndFeel.SetNativeStyle(*assign.Native);
}

struct TChainRow {
    const char* Name;
    TAssign Master;
    TAssign Child;
    TLookAndFeelKind Kind;
    bool Native;
};

const TChainRow kChain[] = {
    {"nothing assigned: the root's defaults", {}, {}, lfUltraFlat, false},
    {"kind from the master", {lfFlat, {}}, {}, lfFlat, false},
    {"own kind over the master's", {lfFlat, {}}, {lfStandard, {}}, lfStandard, false},
    {"native style from the master", {{}, true}, {}, lfUltraFlat, true},
    {"own native style off over the master's on", {{}, true}, {{}, false}, lfUltraFlat, false},
    {"each value from its own source", {lfOffice11, false}, {{}, true}, lfOffice11, true},
};

TEST(LookAndFeelTest, EffectiveValuesFollowTheMasterChain) {
    for (const TChainRow& row : kChain) {
        TLookAndFeel master;
        TLookAndFeel child(&master);
        Apply(master, row.Master);
        Apply(child, row.Child);
        EXPECT_EQ(child.Kind(), row.Kind) << row.Name;
        EXPECT_EQ(child.NativeStyle(), row.Native) << row.Name;
        // A reset of both brings back the root's defaults.
        master.Reset();
        child.Reset();
        EXPECT_EQ(child.Kind(), lfUltraFlat) << row.Name;
        EXPECT_FALSE(child.NativeStyle()) << row.Name;
    }
}

TEST(LookAndFeelTest, AMasterChangeReachesOnlyValuesNotAssignedBelow) {
    TLookAndFeel master;
    TLookAndFeel child(&master);
    child.SetKind(lfStandard);
    std::vector<TLookAndFeelValues> heard;
    child.AddChangeListener([&](TLookAndFeel*, TLookAndFeelValues changed) { heard.push_back(changed); });
    master.SetKind(lfFlat);
    EXPECT_TRUE(heard.empty());
    master.SetNativeStyle(true);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], lfvNativeStyle);
    master.SetNativeStyle(true);  // no change: nothing heard
    EXPECT_EQ(heard.size(), 1u);
}

TEST(LookAndFeelTest, AListenerThatRemovesItselfDoesNotMakeAnotherBeSkipped) {
    TLookAndFeel lookAndFeel;
    int first = 0, second = 0;
    int id = 0;
    id = lookAndFeel.AddChangeListener([&](TLookAndFeel*, TLookAndFeelValues) {
        ++first;
        lookAndFeel.RemoveChangeListener(id);
    });
    lookAndFeel.AddChangeListener([&](TLookAndFeel*, TLookAndFeelValues) { ++second; });
    lookAndFeel.SetKind(lfFlat);
    lookAndFeel.SetKind(lfStandard);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

TEST(LookAndFeelTest, ADestroyedMasterIsDroppedForTheRoot) {
    auto master = std::make_unique<TLookAndFeel>();
    TLookAndFeel child(master.get());
    master->SetKind(lfFlat);
    ASSERT_EQ(child.Kind(), lfFlat);
    master.reset();
    EXPECT_EQ(child.Master(), nullptr);
    EXPECT_EQ(child.Kind(), lfUltraFlat);
}

struct TPainterRow {
    const char* Name;
    TThemeMode Themes;
    bool Native;
    TLookAndFeelKind Kind;
    bool EditOpens;
    int StyleNumber;  // of the cached painter
    int EditStyleNumber;  // of the painter asked for the "Edit" theme
};

const TPainterRow kPainters[] = {
    {"themes on, native", TThemeMode::tmOn, true, lfUltraFlat, true, 3, 3},
    {"themes on, native, Edit does not open", TThemeMode::tmOn, true, lfUltraFlat, false, 3, 2},
    {"themes on, not native, ultra-flat", TThemeMode::tmOn, false, lfUltraFlat, true, 2, 2},
    {"themes on, not native, flat", TThemeMode::tmOn, false, lfFlat, true, 0, 0},
    {"themes on, not native, standard", TThemeMode::tmOn, false, lfStandard, true, 1, 1},
    {"themes on, not native, Office 2003", TThemeMode::tmOn, false, lfOffice11, true, 4, 4},
    {"themes off, native", TThemeMode::tmOff, true, lfStandard, true, 1, 1},
    {"library absent, native", TThemeMode::tmAbsent, true, lfUltraFlat, true, 2, 2},
};

class PainterChoiceTest : public ::testing::Test {
protected:
    void TearDown() override {
        FakeTheme().Unopenable.clear();
        UsePlatformThemes();
    }
};

TEST_F(PainterChoiceTest, ByNativeStyleThemesAndKind) {
    for (const TPainterRow& row : kPainters) {
        FakeTheme().Unopenable.clear();
        if (!row.EditOpens) FakeTheme().Unopenable.insert(L"Edit");
        UseFakeThemes(row.Themes);
        TLookAndFeel lookAndFeel;
        lookAndFeel.SetKind(row.Kind);
        lookAndFeel.SetNativeStyle(row.Native);
        EXPECT_EQ(lookAndFeel.Painter().StyleNumber(), row.StyleNumber) << row.Name;
        EXPECT_EQ(lookAndFeel.PainterFor({TThemedObjectType::totEdit}).StyleNumber(), row.EditStyleNumber) << row.Name;
    }
}

TEST_F(PainterChoiceTest, AThemeChangeRepicksTheCachedPainter) {
    UseFakeThemes(TThemeMode::tmOn);
    TLookAndFeel lookAndFeel;
    lookAndFeel.SetNativeStyle(true);
    int heard = 0;
    lookAndFeel.AddChangeListener([&](TLookAndFeel*, TLookAndFeelValues) { ++heard; });
    ASSERT_TRUE(lookAndFeel.Painter().Native());
    UseFakeThemes(TThemeMode::tmOff);
    EXPECT_FALSE(lookAndFeel.Painter().Native());
    EXPECT_EQ(lookAndFeel.Painter().StyleNumber(), 2);
    EXPECT_GE(heard, 1);
}

TEST_F(PainterChoiceTest, NoSkinIsRegisteredSoASkinNameFallsBackToTheKind) {
    UseFakeThemes(TThemeMode::tmOff);
    TLookAndFeel lookAndFeel;
    lookAndFeel.SetSkinName("Caramel");
    EXPECT_EQ(lookAndFeel.Painter().StyleNumber(), 2);
    TStandardLookAndFeelPainter skin;
    TExtendedStylePainters::Instance().Register("Caramel", &skin);
    lookAndFeel.SetSkinName("Caramel");  // unchanged value: the painter is re-picked on a change only
    lookAndFeel.Reset();
    lookAndFeel.SetSkinName("Caramel");
    EXPECT_EQ(&lookAndFeel.Painter(), &skin);
    TExtendedStylePainters::Instance().Unregister("Caramel");
}

}  // namespace

namespace {

TEST(LookAndFeelControllerTest, WritesTheRootWhichIsResetWhenTheLastControllerGoes) {
    TLookAndFeel editor;
    {
        TLookAndFeelController first(nullptr);
        auto second = std::make_unique<TLookAndFeelController>(nullptr);
        second->SetKind(TLookAndFeelKind::lfOffice11);
        first.SetNativeStyle(true);
        EXPECT_EQ(editor.Kind(), TLookAndFeelKind::lfOffice11);
        EXPECT_TRUE(editor.NativeStyle());
        second.reset();
        EXPECT_EQ(TLookAndFeel::Root().Kind(), TLookAndFeelKind::lfOffice11) << "one controller is left";
    }
    EXPECT_EQ(TLookAndFeel::Root().AssignedValues(), 0u);
    EXPECT_EQ(editor.Kind(), TLookAndFeelKind::lfUltraFlat);
    EXPECT_FALSE(editor.NativeStyle());
}

}  // namespace
