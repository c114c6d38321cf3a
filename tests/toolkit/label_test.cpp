// A label set transparent lets its parent show through only while visual themes are active;
// otherwise it is opaque in its colour. Painted into a bitmap filled with a marker colour.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "tests/animation/pixels.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/theme_services.h"

namespace {

BOOL WINAPI Active() { return TRUE; }
HTHEME WINAPI Open(HWND, LPCWSTR) { return nullptr; }

// The label's bottom-right pixel, below any glyph, painted over green.
std::uint32_t CornerOverGreen(TLabel& label) {
    return PaintedPixels(label, MakeRGB(0, 255, 0)).At(label.Width() - 1, label.Height() - 1);
}

}  // namespace

TEST(LabelTest, TransparentOnlyWhileThemesAreActive) {
    TForm form(nullptr);
    form.SetColor(MakeRGB(255, 0, 0));
    auto label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption(L"x");
    label->SetBounds(0, 0, 40, 20);
    label->SetAutoSize(false);
    TThemeServices& themes = TThemeServices::Instance();
    TThemeApi activeThemes{};
    activeThemes.OpenThemeData = &Open;
    activeThemes.IsThemeActive = &Active;

    struct TRow {
        bool Transparent;
        std::optional<TThemeApi> Themes;
        std::uint32_t Corner;  // 0x00RRGGBB
    } rows[] = {
        {true, activeThemes, 0x00FF00},  // the parent shows through
        {true, std::nullopt, 0xFF0000},  // no themes: opaque in the label's colour
        {false, activeThemes, 0xFF0000},
    };
    for (const TRow& row : rows) {
        themes.UseApiForTesting(row.Themes);
        label->SetTransparent(row.Transparent);
        EXPECT_EQ(CornerOverGreen(*label), row.Corner) << "transparent " << row.Transparent;
    }
    themes.RestorePlatformApi();
}
