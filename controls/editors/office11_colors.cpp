#include "controls/editors/office11_colors.h"

#include <algorithm>

#include "toolkit/gdi_objects.h"
#include "toolkit/theme_services.h"

namespace {

TOffice11Colors& Scheme() {
    static TOffice11Colors scheme;
    return scheme;
}

int BlendChannel(int face, int highlight, int window, int f, int h, int w) {
    return std::clamp(MulDiv(face, f, 100) + MulDiv(highlight, h, 100) + MulDiv(window, w, 100), 0, 255);
}

}  // namespace

COLORREF BlendSystemColors(int faceShare, int highlightShare, int windowShare) {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    if (face == RGB(0, 0, 0) || face == RGB(255, 255, 255)) return highlight;
    COLORREF window = GetSysColor(COLOR_WINDOW);
    COLORREF blend = RGB(
        BlendChannel(GetRValue(face), GetRValue(highlight), GetRValue(window), faceShare, highlightShare, windowShare),
        BlendChannel(GetGValue(face), GetGValue(highlight), GetGValue(window), faceShare, highlightShare, windowShare),
        BlendChannel(GetBValue(face), GetBValue(highlight), GetBValue(window), faceShare, highlightShare, windowShare));
    TWindowDC screen(nullptr);
    return GetNearestColor(screen.Get(), blend);
}

COLORREF HotBlendColor() { return BlendSystemColors(-2, 30, 72); }
COLORREF PressedBlendColor() { return BlendSystemColors(14, 44, 40); }

const TOffice11Colors& Office11Colors() {
    static bool computed = false;
    if (!computed) {
        RecomputeOffice11Colors();
        TThemeServices::Instance().AddSysColorChangedListener(RecomputeOffice11Colors);
        computed = true;
    }
    return Scheme();
}

void RecomputeOffice11Colors() {
    TOffice11Colors& scheme = Scheme();
    scheme.SelectionBorder = clHighlight;
    scheme.Disabled = clGrayText;
    scheme.ButtonHot = HotBlendColor();
    scheme.ButtonPressed = PressedBlendColor();
    scheme.ButtonDisabled = clBtnFace;
}
