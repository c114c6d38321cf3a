// The dialog follows the prefix's visual theme: the test runs in the normal prefix (theme on) and
// in the classic one (theme off), told which by DBSETUP_EXPECT_THEMES. Labels see through to the
// dialog only with the theme; without it they are opaque in the dialog's colour.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/animation/pixels.h"
#include "tests/dialog/dialog_fixture.h"
#include "toolkit/theme_services.h"

namespace {

// The label's bottom-right pixel, below its text, painted over green.
std::uint32_t CornerOverGreen(TLabel& label) {
    return PaintedPixels(label, MakeRGB(0, 255, 0)).At(label.Width() - 1, label.Height() - 1);
}

class DialogThemeTest : public TDialogTest {};

}  // namespace

TEST_F(DialogThemeTest, TheDialogFollowsThePrefixTheme) {
    TFrmCorvane& dialog = OpenDialog();
    bool themes = TThemeServices::Instance().ThemesActive();
    if (const char* expected = std::getenv("DBSETUP_EXPECT_THEMES")) {
        EXPECT_EQ(themes, std::string(expected) == "1") << "the prefix's theme setting";
    }
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::uint32_t faceWord = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    for (TLabel* label : {dialog.Label1, dialog.Label2, dialog.Label3, dialog.Label4, dialog.Label5})
        EXPECT_EQ(CornerOverGreen(*label), themes ? 0x00FF00u : faceWord) << label->Name();
}
