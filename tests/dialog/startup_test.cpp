// The dialog as it opens: its window and controls, the focus, and the small behaviours that
// store nothing (Enter and Tab move on, the authentication kind, the logo, Escape and Close).
#include "controls/animation/gif_animator.h"
#include "controls/buttons/hot_bit_btn.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "tests/dialog/dialog_fixture.h"
#include "toolkit/exceptions.h"
#include "toolkit/strings.h"

namespace {

struct TPlacement {
    const char* Name;
    TRect Bounds;
    bool Visible;
};

// Left, top, right, bottom in client pixels, as laid out.
const TPlacement kPlacements[] = {
    {"Bevel1", {0, 0, 425, 2}, true},          {"Bevel2", {0, 240, 427, 242}, true},
    {"Bevel3", {1, 66, 427, 68}, true},        {"TmpGif", {30, 21, 62, 53}, false},
    {"ImgLogo", {29, 21, 62, 53}, true},       {"RdgConnType", {130, 68, 391, 128}, true},
    {"btnClose", {322, 253, 411, 286}, true},  {"BtnSave", {221, 253, 310, 286}, true},
    {"BtnTest", {11, 253, 100, 286}, true},    {"EditServerName", {133, 25, 358, 50}, true},
    {"EditDatabaseName", {135, 134, 360, 159}, true}, {"EditUserName", {135, 167, 360, 192}, true},
    {"EditPassword", {135, 200, 360, 225}, true},     {"EditConnPort", {310, 25, 359, 50}, false},
};

}  // namespace

TEST_F(TDialogTest, WindowHasItsCaptionClientSizeAndDialogFrame) {
    TFrmCorvane& dialog = OpenDialog();
    wchar_t caption[64] = {};
    GetWindowTextW(dialog.Handle(), caption, 64);
    EXPECT_EQ(WideToUtf8(caption), "连接到SQL Server");
    RECT client;
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(client.right, 425);
    EXPECT_EQ(client.bottom, 298);
    LONG style = GetWindowLongW(dialog.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) << std::hex << style;
}

TEST_F(TDialogTest, DialogOpensCentredOnTheDesktop) {
    TFrmCorvane& dialog = OpenDialog();
    RECT work, window;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(dialog.Handle(), &window);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST_F(TDialogTest, ControlsHaveTheirPlacesAndVisibility) {
    TFrmCorvane& dialog = OpenDialog();
    for (const TPlacement& row : kPlacements) {
        auto control = dynamic_cast<TControl*>(dialog.FindComponent(row.Name));
        ASSERT_NE(control, nullptr) << row.Name;
        EXPECT_EQ(control->BoundsRect(), row.Bounds) << row.Name;
        EXPECT_EQ(control->Visible(), row.Visible) << row.Name;
    }
}

TEST_F(TDialogTest, CaptionsAndInitialTexts) {
    TFrmCorvane& dialog = OpenDialog();
    EXPECT_EQ(WideToUtf8(dialog.Label1->Caption()), "服务器名：");
    EXPECT_EQ(WideToUtf8(dialog.Label2->Caption()), "数据库名：");
    EXPECT_EQ(WideToUtf8(dialog.Label3->Caption()), "用户名：");
    EXPECT_EQ(WideToUtf8(dialog.Label4->Caption()), "密  码：");
    EXPECT_EQ(WideToUtf8(dialog.Label5->Caption()), "连接使用：");
    EXPECT_EQ(WideToUtf8(dialog.BtnTest->Caption()), "测试");
    EXPECT_EQ(WideToUtf8(dialog.BtnSave->Caption()), "保存");
    EXPECT_EQ(WideToUtf8(dialog.btnClose->Caption()), "关闭");
    ASSERT_EQ(dialog.RdgConnType->ItemCount(), 2);
    EXPECT_EQ(WideToUtf8(dialog.RdgConnType->Item(0)->Caption()), "Windows 身份验证");
    EXPECT_EQ(WideToUtf8(dialog.RdgConnType->Item(1)->Caption()), "SQL Server 身份验证");
    EXPECT_EQ(dialog.EditPassword->Properties().EchoMode, TEditEchoMode::eemPassword);
}

TEST_F(TDialogTest, LabelsTakeTheSizeOfTheirText) {
    TFrmCorvane& dialog = OpenDialog();
    // Five characters of the 12-pixel CJK font are 60 pixels wide, four are 48.
    EXPECT_EQ(dialog.Label1->Width(), 60);
    EXPECT_EQ(dialog.Label3->Width(), 48);
    EXPECT_GE(dialog.Label1->Height(), 12);
}

TEST_F(TDialogTest, FocusStartsOnTheServerName) {
    OpenDialog();
    EXPECT_EQ(FocusedName(), "EditServerName");
}

TEST_F(TDialogTest, PasswordEchoesStars) {
    TFrmCorvane& dialog = OpenDialog();
    HWND edit = dialog.EditPassword->FocusWindow();
    EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), L'*');
    EXPECT_EQ(SendMessageW(dialog.EditServerName->FocusWindow(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

// Tab order: editors 0-3, buttons 4-6, the checked radio button 7; the port editor (8) is
// never a tab stop.
TEST_F(TDialogTest, TabVisitsTheTabStopsInOrderAndWraps) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.RdgConnType->SetItemIndex(1);  // user name and password enabled
    Pump();
    const char* expected[] = {"EditDatabaseName", "EditUserName", "EditPassword", "BtnTest", "BtnSave",
                              "btnClose", "RdgConnType[1]", "EditServerName"};
    for (const char* name : expected) {
        PressKey(VK_TAB);
        EXPECT_EQ(FocusedName(), name);
    }
}

TEST_F(TDialogTest, ShiftTabMovesBack) {
    OpenDialog();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PressKey(VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(FocusedName(), "RdgConnType[0]");  // first start: Windows authentication is checked
}

struct TEnterCase {
    const char* Start;
    int ItemIndex;
    bool PortShown;
    const char* Expected;
};

// Enter moves on as Tab does, from the focused control, skipping disabled editors.
TEST_F(TDialogTest, EnterInAnEditorMovesTheFocusOn) {
    const TEnterCase cases[] = {
        {"EditServerName", 1, false, "EditDatabaseName"},
        {"EditPassword", 1, false, "BtnTest"},
        {"EditDatabaseName", 0, false, "BtnTest"},
        {"EditDatabaseName", 1, false, "EditUserName"},
        {"EditConnPort", 1, true, "EditServerName"},
    };
    TFrmCorvane& dialog = OpenDialog();
    for (const TEnterCase& row : cases) {
        dialog.RdgConnType->SetItemIndex(row.ItemIndex);
        dialog.EditConnPort->SetVisible(row.PortShown);
        auto start = dynamic_cast<TWinControl*>(dialog.FindComponent(row.Start));
        start->SetFocus();
        Pump();
        ASSERT_EQ(FocusedName(), row.Start);
        PressKey(VK_RETURN);
        EXPECT_EQ(FocusedName(), row.Expected) << "Enter in " << row.Start << " with item " << row.ItemIndex;
    }
}

TEST_F(TDialogTest, OtherCharactersDoNotMoveTheFocusAndReachTheEditor) {
    TFrmCorvane& dialog = OpenDialog();
    PressKey('A');
    EXPECT_EQ(FocusedName(), "EditServerName");
    EXPECT_EQ(dialog.EditServerName->Text(), "a");
}

TEST_F(TDialogTest, TabNeverLandsOnThePortEditor) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.EditConnPort->Show();
    for (int i = 0; i < 12; ++i) {
        PressKey(VK_TAB);
        EXPECT_NE(FocusedName(), "EditConnPort");
    }
}

TEST_F(TDialogTest, AuthenticationKindEnablesUserAndPasswordKeepingTexts) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.RdgConnType->SetItemIndex(1);
    dialog.EditUserName->SetText("admin");
    dialog.EditPassword->SetText("secret");
    dialog.RdgConnType->SetItemIndex(0);
    EXPECT_FALSE(dialog.EditUserName->Enabled());
    EXPECT_FALSE(dialog.EditPassword->Enabled());
    dialog.RdgConnType->SetItemIndex(-1);
    EXPECT_FALSE(dialog.EditUserName->Enabled());
    dialog.RdgConnType->SetItemIndex(1);
    EXPECT_TRUE(dialog.EditUserName->Enabled());
    EXPECT_TRUE(dialog.EditPassword->Enabled());
    EXPECT_EQ(dialog.EditUserName->Text(), "admin");
    EXPECT_EQ(dialog.EditPassword->Text(), "secret");
}

TEST_F(TDialogTest, ClickingARadioButtonChecksIt) {
    TFrmCorvane& dialog = OpenDialog();
    ClickAt(*dialog.RdgConnType->Item(1), 5, 5);
    EXPECT_EQ(dialog.RdgConnType->ItemIndex(), 1);
    EXPECT_TRUE(dialog.EditUserName->Enabled());
    EXPECT_EQ(FocusedName(), "RdgConnType[1]");
}

TEST_F(TDialogTest, ArrowKeysMoveAndCheckInTheGroup) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.RdgConnType->Item(0)->SetFocus();
    Pump();
    PressKey(VK_DOWN);
    EXPECT_EQ(dialog.RdgConnType->ItemIndex(), 1);
    EXPECT_EQ(FocusedName(), "RdgConnType[1]");
    PressKey(VK_DOWN);  // wraps to the first
    EXPECT_EQ(dialog.RdgConnType->ItemIndex(), 0);
    EXPECT_EQ(FocusedName(), "RdgConnType[0]");
}

TEST_F(TDialogTest, TwoClicksOnTheLogoShowAndHideThePortEditor) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.EditConnPort->SetText("1500");
    ClickAt(*dialog.ImgLogo);
    EXPECT_TRUE(dialog.EditConnPort->Visible());
    EXPECT_TRUE(IsWindowVisible(dialog.EditConnPort->Handle()));
    ClickAt(*dialog.ImgLogo);
    EXPECT_FALSE(dialog.EditConnPort->Visible());
    EXPECT_EQ(dialog.EditConnPort->Text(), "1500");
}

TEST_F(TDialogTest, ClickOnTheBackgroundDoesNothing) {
    TFrmCorvane& dialog = OpenDialog();
    ClickAt(dialog, 5, 280);
    EXPECT_TRUE(dialog.Visible());
    EXPECT_FALSE(FApplication->Terminated());
    EXPECT_TRUE(FBoxes.empty());
}

TEST_F(TDialogTest, EscapeOnAButtonEndsTheProgramWithoutWriting) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.BtnSave->SetFocus();
    Pump();
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(FApplication->Terminated());
    EXPECT_FALSE(FileExists("Setting.ini"));
}

TEST_F(TDialogTest, EscapeInAnEditorEndsTheProgram) {
    OpenDialog();
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(FApplication->Terminated());
}

TEST_F(TDialogTest, CloseButtonAndCloseBoxEndTheProgram) {
    TFrmCorvane& dialog = OpenDialog();
    ClickAt(*dialog.btnClose, 10, 10);
    EXPECT_TRUE(FApplication->Terminated());
    EXPECT_FALSE(FileExists("Setting.ini"));
}

TEST_F(TDialogTest, CloseBoxEndsTheProgram) {
    TFrmCorvane& dialog = OpenDialog();
    SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(FApplication->Terminated());
    EXPECT_FALSE(FileExists("Setting.ini"));
}

TEST_F(TDialogTest, SpaceAndEnterClickAFocusedButton) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.btnClose->SetFocus();
    Pump();
    PressKey(VK_SPACE);
    EXPECT_TRUE(FApplication->Terminated());
}

TEST_F(TDialogTest, AnExceptionEscapingAHandlerIsReportedWithAFullStop) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.BtnTest->OnClick = [](TComponent*) { throw EInOutError("File access denied", 5); };
    ClickAt(*dialog.BtnTest, 10, 10);
    ASSERT_EQ(FBoxes.size(), 1u);
    EXPECT_EQ(FBoxes[0].Text, "File access denied.");
    EXPECT_EQ(FBoxes[0].Caption, Ansi(u8"数据库设置"));
    EXPECT_EQ(FBoxes[0].Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONSTOP));
    EXPECT_TRUE(dialog.Visible());
}

// Focus that arrives by keyboard or by the program selects the whole text; a click places the caret.
TEST_F(TDialogTest, KeyboardFocusSelectsTheWholeTextAndAClickDoesNot) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.EditDatabaseName->SetText("Sales");
    PressKey(VK_TAB);
    ASSERT_EQ(FocusedName(), "EditDatabaseName");
    DWORD start = 0, end = 0;
    HWND edit = dialog.EditDatabaseName->FocusWindow();
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);

    dialog.EditServerName->SetText("server");
    HWND server = dialog.EditServerName->FocusWindow();
    SendMessageW(server, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(server, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Pump();
    ASSERT_EQ(FocusedName(), "EditServerName");
    SendMessageW(server, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "a click selects nothing";
}

TEST_F(TDialogTest, EnterClicksAFocusedButton) {
    TFrmCorvane& dialog = OpenDialog();
    dialog.btnClose->SetFocus();
    Pump();
    PressKey(VK_RETURN);
    EXPECT_TRUE(FApplication->Terminated());
}

// The logo is drawn at its natural size at the top-left, its alpha blended over the dialog's
// colour; the control's last column shows only the background.
TEST_F(TDialogTest, LogoIsBlendedOverTheDialogColour) {
    TFrmCorvane& dialog = OpenDialog();
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 425, 298);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(dialog.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    int background = 0, other = 0;
    for (int y = 21; y < 53; ++y) {
        EXPECT_EQ(GetPixel(memory, 29 + 32, y), face) << "last column, row " << y;
        for (int x = 29; x < 29 + 32; ++x) (GetPixel(memory, x, y) == face ? background : other)++;
    }
    // Transparent pixels show the face colour exactly, no white or black fringe; the picture covers the rest.
    EXPECT_GT(background, 200);
    EXPECT_GT(other, 400);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}
