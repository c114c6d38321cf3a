#include "controls/editors/look_and_feel_painter.h"

#include "controls/editors/radio_button_image_list.h"

namespace {

// Button part 2 (radio button): theme state by button state, unchecked and checked.
constexpr int kRadioPart = 2;
constexpr int kRadioStates[2][5] = {{1, 1, 2, 3, 4}, {5, 5, 6, 7, 8}};

}  // namespace

TLookAndFeelKind TLookAndFeelPainter::Kind() const {
    switch (StyleNumber()) {
    case 0: return TLookAndFeelKind::lfFlat;
    case 2: return TLookAndFeelKind::lfUltraFlat;
    case 4: return TLookAndFeelKind::lfOffice11;
    default: return TLookAndFeelKind::lfStandard;
    }
}

SIZE TLookAndFeelPainter::RadioButtonSize() const { return TRadioButtonImageList::Instance().GlyphSize(); }

void TLookAndFeelPainter::DrawRadioButton(TCanvas& canvas, int x, int y, TButtonState state, bool checked,
                                          bool focused, TColor brush, bool designing) const {
    TRadioButtonImageList::Instance().Draw(canvas, x, y, Kind(), state, checked, focused, brush, designing);
}

SIZE TWinXPLookAndFeelPainter::RadioButtonSize() const {
    SIZE size{0, 0};
    TThemeServices& themes = TThemeServices::Instance();
    HTHEME theme = themes.Open(TThemedObjectType::totButton);
    if (theme) themes.Api().GetThemePartSize(theme, nullptr, kRadioPart, 1, nullptr, TS_TRUE, &size);
    return size;
}

void TWinXPLookAndFeelPainter::DrawRadioButton(TCanvas& canvas, int x, int y, TButtonState state, bool checked,
                                               bool, TColor, bool) const {
    TThemeServices& themes = TThemeServices::Instance();
    HTHEME theme = themes.Open(TThemedObjectType::totButton);
    // A theme gone since the painter was chosen draws nothing; the next change re-picks the painter.
    if (!theme) return;
    SIZE size = RadioButtonSize();
    RECT r{x, y, x + size.cx, y + size.cy};
    int themeState = kRadioStates[checked ? 1 : 0][static_cast<int>(state)];
    themes.Api().DrawThemeBackground(theme, canvas.Handle(), kRadioPart, themeState, &r, nullptr);
}

TExtendedStylePainters& TExtendedStylePainters::Instance() {
    static TExtendedStylePainters painters;
    return painters;
}

const TLookAndFeelPainter* TExtendedStylePainters::Find(const std::string& name) const {
    auto found = FPainters.find(name);
    return found == FPainters.end() ? nullptr : found->second;
}

void TExtendedStylePainters::Register(const std::string& name, const TLookAndFeelPainter* painter) {
    FPainters[name] = painter;
}

void TExtendedStylePainters::Unregister(const std::string& name) { FPainters.erase(name); }

const TLookAndFeelPainter& FlatPainter() {
    static const TFlatLookAndFeelPainter painter;
    return painter;
}

const TLookAndFeelPainter& StandardPainter() {
    static const TStandardLookAndFeelPainter painter;
    return painter;
}

const TLookAndFeelPainter& UltraFlatPainter() {
    static const TUltraFlatLookAndFeelPainter painter;
    return painter;
}

const TLookAndFeelPainter& WinXPPainter() {
    static const TWinXPLookAndFeelPainter painter;
    return painter;
}

const TLookAndFeelPainter& Office11Painter() {
    static const TOffice11LookAndFeelPainter painter;
    return painter;
}

const TLookAndFeelPainter& PainterOfKind(TLookAndFeelKind kind) {
    switch (kind) {
    case TLookAndFeelKind::lfFlat: return FlatPainter();
    case TLookAndFeelKind::lfStandard: return StandardPainter();
    case TLookAndFeelKind::lfOffice11: return Office11Painter();
    case TLookAndFeelKind::lfUltraFlat: break;
    }
    return UltraFlatPainter();
}

const TLookAndFeelPainter& ChoosePainter(TLookAndFeelKind kind, bool nativeStyle, const std::string& skinName,
                                         std::initializer_list<TThemedObjectType> types) {
    if (nativeStyle && TThemeServices::Instance().Available(types)) return WinXPPainter();
    if (!nativeStyle && !skinName.empty())
        if (const TLookAndFeelPainter* skin = TExtendedStylePainters::Instance().Find(skinName)) return *skin;
    return PainterOfKind(kind);
}
