// The button driven as a user would: mouse sequences and keys, as tables of what each gives.
#include <gtest/gtest.h>

#include <vector>

#include "tests/buttons/button_fixture.h"

namespace {

// A button the form cannot give the focus to.
class TRefusingButton : public THotBitBtn {
public:
    using THotBitBtn::THotBitBtn;
    bool CanFocus() const override { return false; }
};

struct TMouseStep {
    UINT Message;
    int X, Y;
    bool PressedAfter;  // the pressed look after the step
};

// Mouse button state that comes with each message, as the platform sends it.
WPARAM HeldWith(UINT message, WPARAM held) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return held | MK_LBUTTON;
    case WM_LBUTTONUP: return held & ~WPARAM{MK_LBUTTON};
    case WM_RBUTTONDOWN: return held | MK_RBUTTON;
    case WM_RBUTTONUP: return held & ~WPARAM{MK_RBUTTON};
    default: return held;
    }
}

constexpr UINT kLoseCapture = WM_APP + 10;  // step: another window takes the mouse capture
constexpr UINT kLoseFocus = WM_APP + 11;    // step: the focus goes elsewhere (Alt+Tab)

}  // namespace

class THotButtonInputTest : public TButtonTest {};

TEST_F(THotButtonInputTest, MouseSequences) {
    struct TSequence {
        const char* Name;
        std::vector<TMouseStep> Steps;
        int Clicks;
    } const sequences[] = {
        {"press and release inside", {{WM_LBUTTONDOWN, 10, 10, true}, {WM_LBUTTONUP, 10, 10, false}}, 1},
        {"release outside",
         {{WM_LBUTTONDOWN, 10, 10, true}, {WM_MOUSEMOVE, 120, 10, false}, {WM_LBUTTONUP, 120, 10, false}}, 0},
        {"out and back in",
         {{WM_LBUTTONDOWN, 10, 10, true},
          {WM_MOUSEMOVE, -5, 10, false},
          {WM_MOUSEMOVE, 88, 32, true},
          {WM_LBUTTONUP, 88, 32, false}},
         1},
        {"the right button alone", {{WM_RBUTTONDOWN, 10, 10, false}, {WM_RBUTTONUP, 10, 10, false}}, 0},
        {"the right button released during a left press",
         {{WM_LBUTTONDOWN, 10, 10, true},
          {WM_RBUTTONDOWN, 10, 10, true},
          {WM_RBUTTONUP, 10, 10, false},
          {WM_LBUTTONUP, 10, 10, false}},
         1},
        {"double click",
         {{WM_LBUTTONDOWN, 10, 10, true},
          {WM_LBUTTONUP, 10, 10, false},
          {WM_LBUTTONDBLCLK, 10, 10, true},
          {WM_LBUTTONUP, 10, 10, false}},
         2},
        {"capture lost", {{WM_LBUTTONDOWN, 10, 10, true}, {kLoseCapture, 0, 0, false}, {WM_LBUTTONUP, 10, 10, false}},
         0},
        {"cancel mode", {{WM_LBUTTONDOWN, 10, 10, true}, {WM_CANCELMODE, 0, 0, false}, {WM_LBUTTONUP, 10, 10, false}},
         0},
        {"focus lost while held",
         {{WM_LBUTTONDOWN, 10, 10, true}, {kLoseFocus, 0, 0, false}, {WM_LBUTTONUP, 10, 10, false}}, 0},
    };
    HWND other = FBox->Handle();
    for (const TSequence& sequence : sequences) {
        FClicks.clear();
        WPARAM held = 0;
        for (std::size_t i = 0; i < sequence.Steps.size(); ++i) {
            const TMouseStep& step = sequence.Steps[i];
            if (step.Message == kLoseCapture) {
                SetCapture(other);
            } else if (step.Message == kLoseFocus) {
                FBox->SetFocus();
            } else {
                held = HeldWith(step.Message, held);
                SendMessageW(FButton->Handle(), step.Message, held, MAKELPARAM(step.X, step.Y));
            }
            EXPECT_EQ(FButton->ShowPressed(), step.PressedAfter) << sequence.Name << ", step " << i;
        }
        EXPECT_EQ(Clicks("Button"), sequence.Clicks) << sequence.Name;
        EXPECT_FALSE(FButton->PressTracking()) << sequence.Name;
        EXPECT_NE(GetCapture(), FButton->Handle()) << sequence.Name << ": the capture is given back";
        ReleaseCapture();
        FBox->SetFocus();
        Pump();
    }
}

TEST_F(THotButtonInputTest, APressThatCannotTakeTheFocusShowsNothingAndDoesNotClick) {
    auto* refusing = new TRefusingButton(FForm.get());
    refusing->SetParent(FForm.get());
    refusing->SetBounds(120, 20, 89, 33);
    int clicks = 0;
    refusing->OnClick = [&clicks](TComponent*) { ++clicks; };
    Pump();
    SendMessageW(refusing->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(refusing->ShowPressed());
    SendMessageW(refusing->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(THotButtonInputTest, PointerEnterAndLeave) {
    int entered = 0, left = 0;
    FButton->OnMouseEnter = [&entered](TComponent*) { ++entered; };
    FButton->OnMouseLeave = [&left](TComponent*) { ++left; };
    PointerOver(*FButton);
    EXPECT_TRUE(FButton->MouseInside());
    SendMessageW(FButton->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 12));
    EXPECT_EQ(entered, 1) << "a move inside is no second enter";
    PointerAway();
    EXPECT_TRUE(PumpUntil([this] { return !FButton->MouseInside(); }, 3000))
        << "the platform's tracking reports the leave";
    EXPECT_EQ(left, 1);
}

namespace {

enum TModifier { kNone = 0, kShift = VK_SHIFT, kControl = VK_CONTROL, kAlt = VK_MENU };

}  // namespace

// Keys arrive through the message loop, as the keyboard sends them to the focused window.
TEST_F(THotButtonInputTest, Keys) {
    THotBitBtn& close = AddButton("Close", 120, 20);
    close.SetCancel(true);
    FButton->SetCaption(L"&Save");
    Pump();
    struct TKeyCase {
        const char* Name;
        TWinControl* Focus;
        UINT Message;  // WM_KEYDOWN (with its key up), WM_SYSCHAR or WM_CHAR
        WPARAM Key;
        TModifier Held;
        const char* Clicked;  // "Button", "Close" or "" for none
    } const cases[] = {
        {"Escape on a button clicks the cancel button", FButton, WM_KEYDOWN, VK_ESCAPE, kNone, "Close"},
        {"Escape on another control clicks the cancel button", FBox, WM_KEYDOWN, VK_ESCAPE, kNone, "Close"},
        {"Enter clicks the focused button", FButton, WM_KEYDOWN, VK_RETURN, kNone, "Button"},
        {"Enter on the cancel button clicks it", &close, WM_KEYDOWN, VK_RETURN, kNone, "Close"},
        {"Enter elsewhere: no button is Default", FBox, WM_KEYDOWN, VK_RETURN, kNone, ""},
        {"Space clicks the focused button", FButton, WM_KEYDOWN, VK_SPACE, kNone, "Button"},
        {"Shift+Escape does nothing", FButton, WM_KEYDOWN, VK_ESCAPE, kShift, ""},
        {"Ctrl+Enter does nothing", FButton, WM_KEYDOWN, VK_RETURN, kControl, ""},
        {"Alt+Enter does nothing", FButton, WM_KEYDOWN, VK_RETURN, kAlt, ""},
        {"Alt+S is the accelerator", FBox, WM_SYSCHAR, L's', kAlt, "Button"},
        {"S typed on a button is the accelerator", &close, WM_CHAR, L'S', kNone, "Button"},
        {"X typed on a button is no accelerator", &close, WM_CHAR, L'x', kNone, ""},
    };
    for (const TKeyCase& row : cases) {
        FClicks.clear();
        row.Focus->SetFocus();
        Pump();
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        if (row.Held) keys[row.Held] = 0x80;
        SetKeyboardState(keys);
        HWND focus = GetFocus();
        PostMessageW(focus, row.Message, row.Key, 1);
        Pump();
        if (row.Message == WM_KEYDOWN) PostMessageW(focus, WM_KEYUP, row.Key, 0xC0000001);
        Pump();
        if (row.Held) keys[row.Held] = 0;
        SetKeyboardState(keys);
        std::string clicked = Clicks("Button") ? "Button" : Clicks("Close") ? "Close" : "";
        EXPECT_EQ(clicked, row.Clicked) << row.Name;
        EXPECT_EQ(Clicks("Button") + Clicks("Close"), clicked.empty() ? 0 : 1) << row.Name;
    }
}

TEST_F(THotButtonInputTest, DefaultLookFollowsTheFocus) {
    THotBitBtn& other = AddButton("Other", 120, 20);
    other.SetDefault(true);
    Pump();
    FBox->SetFocus();
    Pump();
    EXPECT_TRUE(other.DefaultLook()) << "the focus is on a control that is not a button";
    EXPECT_FALSE(FButton->DefaultLook());
    FButton->SetFocus();
    Pump();
    EXPECT_FALSE(other.DefaultLook()) << "a focused button takes the default look";
    EXPECT_TRUE(FButton->DefaultLook());
}

TEST_F(THotButtonInputTest, DisablingTakesTheFocusAway) {
    FButton->SetFocus();
    Pump();
    FButton->SetEnabled(false);
    Pump();
    EXPECT_FALSE(FButton->Focused());
    EXPECT_NE(GetFocus(), nullptr) << "the focus moved on to another control";
}

TEST_F(THotButtonInputTest, SpaceReleasedAfterTheFocusWentDoesNotClick) {
    FButton->SetFocus();
    Pump();
    SendMessageW(FButton->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_TRUE(FButton->ShowPressed());
    FBox->SetFocus();
    EXPECT_FALSE(FButton->ShowPressed());
    FButton->SetFocus();
    SendMessageW(FButton->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(Clicks("Button"), 0);
}
