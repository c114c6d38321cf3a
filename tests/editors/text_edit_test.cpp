// The text editor on a form of its own: keys (Enter, Escape, Tab), what OnKeyPress may change,
// selection on focus, password echo, the inner edit's place and colours, hot tracking, and
// themed painting when native style is on.
#include <gtest/gtest.h>

#include "controls/editors/text_edit.h"
#include "tests/animation/test_application.h"
#include "tests/editors/editor_form.h"
#include "tests/editors/editor_pixels.h"
#include "tests/editors/fake_theme_api.h"

namespace {

class TextEditTest : public EditorFormTest {
protected:
    TTextEdit* AddEdit(const char* name, int tabOrder, int top) {
        auto edit = new TTextEdit(FForm.get());
        edit->SetName(name);
        edit->BeginLoading();
        edit->SetParent(FForm.get());
        edit->SetBounds(20, top, 225, 25);
        edit->Font().SetName(L"宋体");
        edit->Font().SetHeight(-13);
        TTextEditProperties properties = edit->Properties();
        properties.Vert = TEditVertAlignment::taVCenter;
        edit->SetProperties(properties);
        edit->SetTabOrder(tabOrder);
        edit->OnKeyPress = [this](TComponent* sender, char& key) {
            FKeys += key;
            if (key == 'a') key = 'b';
            if (key == 'x') key = 0;
            if (key == '\r') static_cast<TWinControl*>(sender)->ParentForm()->SelectNext(FFirst, true, true);
        };
        edit->Loaded();
        return edit;
    }
    void SetUp() override {
        EditorFormTest::SetUp();
        FFirst = AddEdit("First", 0, 20);
        FSecond = AddEdit("Second", 1, 60);
        Show();
        FFirst->SetFocus();
        Pump();
    }
    std::pair<DWORD, DWORD> Selection(TTextEdit* edit) {
        DWORD start = 0, end = 0;
        SendMessageW(edit->InnerEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    TTextEdit* FFirst = nullptr;
    TTextEdit* FSecond = nullptr;
    std::string FKeys;
};

TEST_F(TextEditTest, KeyPressMayChangeOrDropTheCharacter) {
    TypeText(L"pax");
    EXPECT_EQ(FKeys, "pax");
    EXPECT_EQ(FFirst->Text(), "pb");
}

struct TKeyRow {
    const char* Name;
    const wchar_t* Typed;
    UINT Key;
    const char* Focused;
    const char* Text;
    const char* Heard;
};

TEST_F(TextEditTest, EnterEscapeAndTab) {
    const TKeyRow rows[] = {
        {"Enter reaches OnKeyPress, moves on, leaves the text", L"pq", VK_RETURN, "Second", "startpq", "pq\r"},
        {"Escape after typing brings back the value at focus", L"pq", VK_ESCAPE, "First", "start", "pq"},
        {"Tab moves on and inserts nothing", L"pq", VK_TAB, "Second", "startpq", "pq"},
    };
    for (const TKeyRow& row : rows) {
        FFirst->SetText("start");
        FSecond->SetFocus();
        FFirst->SetFocus();
        Pump();
        SendMessageW(FFirst->InnerEdit(), EM_SETSEL, 5, 5);
        FKeys.clear();
        TypeText(row.Typed);
        PressKey(row.Key);
        EXPECT_EQ(FocusedName(), row.Focused) << row.Name;
        EXPECT_EQ(FFirst->Text(), row.Text) << row.Name;
        EXPECT_EQ(FKeys, row.Heard) << row.Name;
    }
}

TEST_F(TextEditTest, FocusByKeyboardSelectsAllAClickPlacesTheCaret) {
    FSecond->SetText("hello");
    PressKey(VK_TAB);
    ASSERT_EQ(FocusedName(), "Second");
    EXPECT_EQ(Selection(FSecond), (std::pair<DWORD, DWORD>{0, 5}));
    FFirst->SetFocus();
    Pump();
    SendMessageW(FSecond->InnerEdit(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 5));
    SendMessageW(FSecond->InnerEdit(), WM_LBUTTONUP, 0, MAKELPARAM(2, 5));
    Pump();
    ASSERT_EQ(FocusedName(), "Second");
    auto [start, end] = Selection(FSecond);
    EXPECT_EQ(start, end);
}

TEST_F(TextEditTest, PasswordEchoWithoutAPasswordCharacterIsAStar) {
    TTextEditProperties properties = FFirst->Properties();
    properties.EchoMode = TEditEchoMode::eemPassword;
    FFirst->SetProperties(properties);
    EXPECT_EQ(SendMessageW(FFirst->InnerEdit(), EM_GETPASSWORDCHAR, 0, 0), L'*');
    TypeText(L"s3cr");
    EXPECT_EQ(FFirst->Text(), "s3cr");
    properties.PasswordChar = L'#';
    FFirst->SetProperties(properties);
    EXPECT_EQ(SendMessageW(FFirst->InnerEdit(), EM_GETPASSWORDCHAR, 0, 0), L'#');
    properties.EchoMode = TEditEchoMode::eemNormal;
    FFirst->SetProperties(properties);
    EXPECT_EQ(SendMessageW(FFirst->InnerEdit(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

// Settings made before the windows exist are in the EDIT from the moment it is made.
TEST_F(TextEditTest, PropertiesSetBeforeTheWindowsAreMadeReachTheEdit) {
    struct TCase {
        bool ReadOnly;
        TEditEchoMode Echo;
        wchar_t PasswordChar;
        wchar_t Shown;
    } cases[] = {{false, TEditEchoMode::eemNormal, 0, 0},
                 {true, TEditEchoMode::eemNormal, L'#', 0},
                 {false, TEditEchoMode::eemPassword, 0, L'*'},
                 {true, TEditEchoMode::eemPassword, L'#', L'#'}};
    int top = 100;
    for (const TCase& row : cases) {
        auto edit = new TTextEdit(FForm.get());
        TTextEditProperties properties = edit->Properties();
        properties.ReadOnly = row.ReadOnly;
        properties.EchoMode = row.Echo;
        properties.PasswordChar = row.PasswordChar;
        edit->SetProperties(properties);
        edit->SetBounds(20, top += 30, 225, 25);
        edit->SetParent(FForm.get());  // the form is shown: the windows are made here
        HWND inner = edit->InnerEdit();
        ASSERT_TRUE(inner);
        EXPECT_EQ((GetWindowLongPtrW(inner, GWL_STYLE) & ES_READONLY) != 0, row.ReadOnly) << "case " << top;
        EXPECT_EQ(SendMessageW(inner, EM_GETPASSWORDCHAR, 0, 0), row.Shown) << "case " << top;
    }
}

RECT InnerRect(TTextEdit* edit) {
    RECT r;
    GetWindowRect(edit->InnerEdit(), &r);
    MapWindowPoints(nullptr, edit->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(TextEditTest, TheInnerEditLiesInsideTheFrameCentredVertically) {
    TCanvas measure;
    measure.Font() = FFirst->Font();
    int height = measure.TextExtent(L"Qq").cy;
    RECT r = InnerRect(FFirst);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.right, 223) << "the frame's right column stays whole";
    EXPECT_EQ(r.top, 2 + (21 - height) / 2);
    EXPECT_EQ(r.bottom - r.top, height);
    FFirst->Font().SetHeight(-40);  // taller than the content: from the content top down
    FFirst->SetBounds(20, 20, 225, 26);
    r = InnerRect(FFirst);
    EXPECT_EQ(r.top, 2);
    EXPECT_GT(r.bottom, 24);
}

std::pair<COLORREF, COLORREF> InnerColors(TTextEdit* edit) {
    HDC dc = GetDC(edit->InnerEdit());
    SendMessageW(edit->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(edit->InnerEdit()));
    std::pair<COLORREF, COLORREF> colors{GetBkColor(dc), GetTextColor(dc)};
    ReleaseDC(edit->InnerEdit(), dc);
    return colors;
}

TEST_F(TextEditTest, TheInnerEditTakesTheColoursOfTheState) {
    EXPECT_EQ(InnerColors(FSecond), std::make_pair(ColorToRGB(clWindow), ColorToRGB(clWindowText)));
    FSecond->SetEnabled(false);
    EXPECT_EQ(InnerColors(FSecond), std::make_pair(ColorToRGB(clBtnFace), ColorToRGB(clBtnShadow)));
    FSecond->SetEnabled(true);
    EXPECT_EQ(InnerColors(FSecond), std::make_pair(ColorToRGB(clWindow), ColorToRGB(clWindowText)));
}

POINT ScreenCentre(TWinControl& control) {
    RECT r;
    GetWindowRect(control.Handle(), &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(TextEditTest, HotWhileThePointerIsOverItEndedByTheTrackingTimer) {
    POINT centre = ScreenCentre(*FSecond);
    SetCursorPos(centre.x, centre.y);
    SendMessageW(FSecond->InnerEdit(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(FSecond->Hot());
    EXPECT_EQ(HexPixel(PrintedPixels(*FSecond).At(1, 1)), HexPixel(PixelOf(clHighlight)));
    SetCursorPos(0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !FSecond->Hot(); }, 500));
    EXPECT_EQ(HexPixel(PrintedPixels(*FSecond).At(1, 1)), HexPixel(PixelOf(clBtnShadow)));
}

TEST_F(TextEditTest, AButtonHeldDownOutsideKeepsItFromTurningHot) {
    POINT centre = ScreenCentre(*FSecond);
    SetCursorPos(centre.x, centre.y);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_LBUTTON] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(FSecond->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 1));
    keys[VK_LBUTTON] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(FSecond->Hot());
    SetCursorPos(0, 0);
}

class TextEditThemeTest : public TextEditTest {
protected:
    void TearDown() override {
        UsePlatformThemes();
        TextEditTest::TearDown();
    }
};

TEST_F(TextEditThemeTest, NativeStyleIsThemedOnlyWhileThemesAreActive) {
    UseFakeThemes(TThemeMode::tmOn);
    EXPECT_FALSE(FSecond->ViewInfo().Native) << "nothing assigned: ultra-flat";
    FSecond->StyleHot().LookAndFeel().SetNativeStyle(true);  // one look and feel for all four styles
    ASSERT_TRUE(FSecond->ViewInfo().Native);
    TPixels pixels = PrintedPixels(*FSecond);
    COLORREF themed = FakeThemeColor(1, 1);
    EXPECT_EQ(HexPixel(pixels.At(0, 0)),
              HexPixel((GetRValue(themed) << 16) | (GetGValue(themed) << 8) | GetBValue(themed)));
    EXPECT_EQ(HexPixel(pixels.At(5, 5)), HexPixel(PixelOf(clWindow)));
    UseFakeThemes(TThemeMode::tmOff);
    EXPECT_FALSE(FSecond->ViewInfo().Native);
    EXPECT_EQ(HexPixel(PrintedPixels(*FSecond).At(1, 1)), HexPixel(PixelOf(clBtnShadow)));
}

}  // namespace

namespace {

TEST_F(TextEditThemeTest, ADisabledNativeEditorTakesTheThemesFillColour) {
    UseFakeThemes(TThemeMode::tmOn);
    FSecond->Style().LookAndFeel().SetNativeStyle(true);
    FSecond->SetEnabled(false);
    EXPECT_EQ(FSecond->ViewInfo().BackgroundColor, MakeRGB(1, 2, 3));
    FSecond->StyleDisabled().SetColor(clBtnFace);  // an assigned colour wins
    EXPECT_EQ(FSecond->ViewInfo().BackgroundColor, clBtnFace);
}

}  // namespace
