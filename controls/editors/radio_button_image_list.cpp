#include "controls/editors/radio_button_image_list.h"

#include "controls/editors/office11_colors.h"

namespace {

// The bitmap holds 0x00RRGGBB words; COLORREF is 0x00BBGGRR.
std::uint32_t Pixel(COLORREF color) {
    return (static_cast<std::uint32_t>(GetRValue(color)) << 16) | (static_cast<std::uint32_t>(GetGValue(color)) << 8) |
           GetBValue(color);
}

bool Highlighted(TButtonState state, bool focused, bool designing) {
    return focused || state == TButtonState::cxbsHot || state == TButtonState::cxbsPressed || designing;
}

COLORREF BodyColor(TLookAndFeelKind kind, TButtonState state) {
    using enum TButtonState;
    if (kind == TLookAndFeelKind::lfOffice11) {
        const TOffice11Colors& office = Office11Colors();
        switch (state) {
        case cxbsHot: return ColorToRGB(office.ButtonHot);
        case cxbsPressed: return ColorToRGB(office.ButtonPressed);
        case cxbsDisabled: return ColorToRGB(office.ButtonDisabled);
        default: return ColorToRGB(clWindow);
        }
    }
    if (state == cxbsDisabled) return ColorToRGB(clBtnFace);
    if (kind == TLookAndFeelKind::lfUltraFlat && state == cxbsHot) return HotBlendColor();
    if (kind == TLookAndFeelKind::lfUltraFlat && state == cxbsPressed) return PressedBlendColor();
    if (state == cxbsPressed) return ColorToRGB(clBtnFace);
    return ColorToRGB(clWindow);
}

COLORREF RingColor(TLookAndFeelKind kind, TButtonState state, bool focused, bool designing) {
    bool disabled = state == TButtonState::cxbsDisabled;
    if (kind == TLookAndFeelKind::lfOffice11) {
        const TOffice11Colors& office = Office11Colors();
        if (disabled) return ColorToRGB(office.Disabled);
        return ColorToRGB(Highlighted(state, focused, designing) ? office.SelectionBorder : clBtnText);
    }
    return ColorToRGB(Highlighted(state, focused, designing) && !disabled ? clHighlight : clBtnShadow);
}

}  // namespace

int RadioImageIndex(TLookAndFeelKind kind, TButtonState state, bool checked, bool focused, bool designing) {
    int stateIndex = state == TButtonState::cxbsDefault ? 0 : static_cast<int>(state) - 1;
    return stateIndex + 8 * static_cast<int>(kind) + 4 * (checked ? 1 : 0) + 64 * (focused ? 1 : 0) +
           32 * (designing ? 1 : 0);
}

std::array<COLORREF, 7> RadioGlyphColorMap(TLookAndFeelKind kind, TButtonState state, bool checked, bool focused,
                                           bool designing) {
    if (state == TButtonState::cxbsDefault) state = TButtonState::cxbsNormal;
    bool disabled = state == TButtonState::cxbsDisabled;
    COLORREF body = BodyColor(kind, state);
    COLORREF dot = body;
    if (checked && disabled)
        dot = ColorToRGB(kind == TLookAndFeelKind::lfOffice11 ? Office11Colors().Disabled : clBtnShadow);
    else if (checked)
        dot = ColorToRGB(clWindowText);
    std::array<COLORREF, 7> map{RGB(0, 0, 0), 0, 0, 0, 0, body, dot};
    switch (kind) {
    case TLookAndFeelKind::lfFlat:
    case TLookAndFeelKind::lfStandard:
        map[1] = ColorToRGB(clBtnShadow);
        map[2] = ColorToRGB(clBtnHighlight);
        map[3] = ColorToRGB(kind == TLookAndFeelKind::lfFlat ? cl3DLight : cl3DDkShadow);
        map[4] = ColorToRGB(cl3DLight);
        break;
    case TLookAndFeelKind::lfUltraFlat:
    case TLookAndFeelKind::lfOffice11:
        map[1] = map[2] = RingColor(kind, state, focused, designing);
        map[3] = map[4] = body;
        break;
    }
    return map;
}

TRadioButtonImageList& TRadioButtonImageList::Instance() {
    static TRadioButtonImageList list;
    return list;
}

TRadioButtonImageList::TRadioButtonImageList() : FMetrics(MeasureRadioGlyph()), FPattern(BuildRadioPattern(FMetrics)) {
    FMask.SetSize(FPattern.Width, FPattern.Height);
    for (int y = 0; y < FPattern.Height; ++y)
        for (int x = 0; x < FPattern.Width; ++x)
            FMask.Bits()[y * FPattern.Width + x] = FPattern.At(x, y) == rgcOutside ? 0xFFFFFF : 0;
    Rebuild();
    FListener = TThemeServices::Instance().AddSysColorChangedListener([this] { Rebuild(); });
}

TRadioButtonImageList::~TRadioButtonImageList() { TThemeServices::Instance().RemoveListener(FListener); }

void TRadioButtonImageList::Rebuild() {
    RecomputeOffice11Colors();
    FImages.SetSize(FPattern.Width * kRadioImageCount, FPattern.Height);
    for (int focused = 0; focused < 2; ++focused)
        for (int designing = 0; designing < 2; ++designing)
            for (int kind = 0; kind < 4; ++kind)
                for (int checked = 0; checked < 2; ++checked)
                    for (int state = 1; state <= 4; ++state) {
                        auto k = static_cast<TLookAndFeelKind>(kind);
                        auto s = static_cast<TButtonState>(state);
                        PaintImage(RadioImageIndex(k, s, checked, focused, designing),
                                   RadioGlyphColorMap(k, s, checked, focused, designing));
                    }
    ++FBuilds;
}

void TRadioButtonImageList::PaintImage(int index, const std::array<COLORREF, 7>& colors) {
    int stride = FImages.Width();
    for (int y = 0; y < FPattern.Height; ++y)
        for (int x = 0; x < FPattern.Width; ++x)
            FImages.Bits()[y * stride + index * FPattern.Width + x] = Pixel(colors[FPattern.At(x, y)]);
}

void TRadioButtonImageList::Draw(TCanvas& canvas, int x, int y, TLookAndFeelKind kind, TButtonState state,
                                 bool checked, bool focused, TColor brush, bool designing) {
    int w = FPattern.Width, h = FPattern.Height;
    // Filling behind the glyph gives the same pixels as drawing onto a filled glyph-sized bitmap.
    if (brush != clDefault) canvas.FillRect(TRect{x, y, x + w, y + h}, brush);
    int index = RadioImageIndex(kind, state, checked, focused, designing);
    GdiFlush();
    BitBlt(canvas.Handle(), x, y, w, h, FMask.Canvas().Handle(), 0, 0, SRCAND);
    BitBlt(canvas.Handle(), x, y, w, h, FImages.Canvas().Handle(), index * w, 0, SRCPAINT);
}
