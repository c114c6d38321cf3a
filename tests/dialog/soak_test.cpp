// A soak of the painting layer on the real dialog: many repaints, the busy animation shown and
// hidden, colour and theme changes broadcast, the pointer moved over every button and editor.
// Whatever GDI objects the painting makes, it must give back: the live count comes back to
// where it started once every cache is warm (the busy animation keeps its composed frames).
// (A failed GDI call prints "GDI: ... failed", which fails the test run.)
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/animation/gif_animator.h"
#include "controls/buttons/hot_bit_btn.h"
#include "controls/editors/hot_tracker.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "tests/dialog/dialog_fixture.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/theme_services.h"

namespace {

class SoakTest : public TDialogTest {
protected:
    void RepaintAll() {
        RedrawWindow(FDialog->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    // The pointer onto a button and off again, as the platform tells it: a move, then the leave
    // its mouse tracking reports. Returns whether the button was hot in between and not after.
    bool HoverButton(THotBitBtn& button) {
        SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        UpdateWindow(button.Handle());
        bool entered = button.MouseInside();
        SendMessageW(button.Handle(), WM_MOUSELEAVE, 0, 0);
        UpdateWindow(button.Handle());
        return entered && !button.MouseInside();
    }
    // The pointer onto an editor's text and off the dialog; the tracking timer's next tick sees it gone.
    bool HoverEditor(TTextEdit& editor) {
        RECT r;
        GetWindowRect(editor.Handle(), &r);
        SetCursorPos(r.left + 30, r.top + 12);
        SendMessageW(editor.InnerEdit(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
        RedrawWindow(editor.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        bool entered = editor.Hot();
        SetCursorPos(0, 0);
        SendMessageW(editor.Handle(), WM_TIMER, THotTracker::kTimerId, 0);
        RedrawWindow(editor.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return entered && !editor.Hot();
    }
};

}  // namespace

TEST_F(SoakTest, PaintingGivesBackEveryGdiObject) {
    OpenDialog();
    // One turn of everything first: the animation goes once round all its frames.
    FDialog->TmpGif->Show();
    for (int i = 0; i <= FDialog->TmpGif->Image().FrameCount(); ++i) FDialog->TmpGif->AdvanceFrame();
    FDialog->TmpGif->Hide();
    TThemeServices::Instance().TakeSysColorChange();
    TThemeServices::Instance().TakeThemeChange();
    RepaintAll();
    Pump();
    // Every editor enabled and shown: SQL Server authentication, and the port field.
    FDialog->RdgConnType->SetItemIndex(1);
    FDialog->ImgLogoClick(FDialog->ImgLogo);
    Pump();
    ASSERT_TRUE(FDialog->EditConnPort->Visible());
    const int start = LiveGdiObjects();

    for (THotBitBtn* button : {FDialog->BtnTest, FDialog->BtnSave, FDialog->btnClose}) {
        int missed = 0;
        for (int i = 0; i < 1000; ++i) missed += !HoverButton(*button);
        EXPECT_EQ(missed, 0) << button->Name() << ": hover cycles that did not enter and leave";
    }
    for (TTextEdit* editor : {FDialog->EditServerName, FDialog->EditDatabaseName, FDialog->EditUserName,
                              FDialog->EditPassword, FDialog->EditConnPort}) {
        int missed = 0;
        for (int i = 0; i < 1000; ++i) missed += !HoverEditor(*editor);
        EXPECT_EQ(missed, 0) << editor->Name() << ": hover cycles that did not enter and leave";
    }
    Pump();
    EXPECT_EQ(LiveGdiObjects(), start) << "after hovering 1,000 times over each button and editor";

    for (int i = 0; i < 1000; ++i) RepaintAll();
    Pump();
    EXPECT_EQ(LiveGdiObjects(), start) << "after 1,000 full repaints";

    for (int i = 0; i < 1000; ++i) {
        FDialog->TmpGif->Show();
        FDialog->Update();
        FDialog->TmpGif->Hide();
        FDialog->Update();
    }
    Pump();
    EXPECT_EQ(LiveGdiObjects(), start) << "after showing and hiding the busy animation 1,000 times";

    HWND notify = TThemeServices::Instance().NotifyWindow();
    for (int i = 0; i < 100; ++i) {
        SendMessageW(notify, WM_SYSCOLORCHANGE, 0, 0);
        SendMessageW(notify, WM_THEMECHANGED, 0, 0);
        Pump();
    }
    EXPECT_EQ(LiveGdiObjects(), start) << "after 100 colour and theme changes";
}
