// A soak of the painting layer on the real dialog: many repaints, the busy animation shown and
// hidden, colour and theme changes broadcast, the pointer moved over every button and editor.
// Whatever GDI objects the painting makes, it must give back: the live count comes back to
// where it started once every cache is warm (the busy animation keeps its composed frames). (A failed GDI call prints "GDI: ... failed", which fails the test run.)
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/animation/gif_animator.h"
#include "tests/dialog/dialog_fixture.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/theme_services.h"

namespace {

class SoakTest : public TDialogTest {
protected:
    void RepaintAll() {
        RedrawWindow(FDialog->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
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
    const int start = LiveGdiObjects();

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
