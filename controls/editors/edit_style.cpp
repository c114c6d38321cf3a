#include "controls/editors/edit_style.h"

int EditBorderWidth(TEditBorderStyle style) {
    switch (style) {
    case TEditBorderStyle::ebsNone: return 0;
    case TEditBorderStyle::ebsThick:
    case TEditBorderStyle::ebsFlat:
    case TEditBorderStyle::ebs3D: return 2;
    default: return 1;
    }
}

TEditBorderStyle HotBorderStyle(TEditBorderStyle base) {
    switch (base) {
    case TEditBorderStyle::ebsNone: return TEditBorderStyle::ebsFlat;
    case TEditBorderStyle::ebsSingle:
    case TEditBorderStyle::ebsThick: return TEditBorderStyle::ebsThick;
    case TEditBorderStyle::ebsFlat:
    case TEditBorderStyle::ebs3D: return TEditBorderStyle::ebs3D;
    default: return base;
    }
}

TEditBorderStyle DefaultBorderStyleOf(TLookAndFeelKind kind) {
    switch (kind) {
    case TLookAndFeelKind::lfFlat: return TEditBorderStyle::ebsFlat;
    case TLookAndFeelKind::lfStandard: return TEditBorderStyle::ebs3D;
    case TLookAndFeelKind::lfOffice11: return TEditBorderStyle::ebsOffice11;
    case TLookAndFeelKind::lfUltraFlat: break;
    }
    return TEditBorderStyle::ebsUltraFlat;
}

TLookAndFeel& DefaultEditStyleControllerLookAndFeel() {
    static TLookAndFeel controller(&TLookAndFeel::Root());
    return controller;
}

TEditStyle::TEditStyle(const TFont* font, bool groupType)
    : FFont(font), FGroupType(groupType),
      FLookAndFeel(std::make_unique<TLookAndFeel>(&DefaultEditStyleControllerLookAndFeel())) {
    FLookAndFeel->OnChanged = [this](TLookAndFeelValues) { Changed(); };
}

TEditStyle::TEditStyle(TEditStyle& base, TEditStyleState state)
    : FBase(&base), FState(state), FFont(base.FFont), FGroupType(base.FGroupType) {}

TEditStyle::~TEditStyle() = default;

TLookAndFeel& TEditStyle::LookAndFeel() { return FBase ? FBase->LookAndFeel() : *FLookAndFeel; }
const TLookAndFeel& TEditStyle::LookAndFeel() const { return FBase ? FBase->LookAndFeel() : *FLookAndFeel; }

void TEditStyle::Changed() {
    if (OnChanged) OnChanged();
}

template <class T>
void TEditStyle::Assign(T TValues::*field, T value, TContainerStyleValues flag) {
    if (IsAssigned(flag) && FValues.*field == value) return;
    FValues.*field = value;
    FAssigned |= flag;
    Changed();
}

TEditBorderStyle TEditStyle::BorderStyle() const {
    if (IsAssigned(svBorderStyle)) return FValues.BorderStyle;
    if (!FBase) return DefaultBorderStyleOf(LookAndFeel().Kind());
    TEditBorderStyle base = FBase->BorderStyle();
    bool raised = (FState == TEditStyleState::essFocused || FState == TEditStyleState::essHot) && HotTrack();
    return raised ? HotBorderStyle(base) : base;
}

TColor TEditStyle::BorderColor() const {
    if (IsAssigned(svBorderColor)) return FValues.BorderColor;
    if (!FBase) return SystemColor(COLOR_WINDOWFRAME);
    return FState == TEditStyleState::essDisabled ? clBtnShadow : FBase->BorderColor();
}

TColor TEditStyle::Color() const {
    if (IsAssigned(svColor)) return FValues.Color;
    if (!FBase) return FGroupType ? clBtnFace : clWindow;
    if (FState == TEditStyleState::essDisabled && !FGroupType) return clBtnFace;
    return FBase->Color();
}

TColor TEditStyle::TextColor() const {
    if (IsAssigned(svTextColor)) return FValues.TextColor;
    if (!FBase) return FFont ? FFont->Color() : clWindowText;
    return FState == TEditStyleState::essDisabled ? clBtnShadow : FBase->TextColor();
}

TBorders TEditStyle::Edges() const { return FBase ? FBase->Edges() : FValues.Edges; }
bool TEditStyle::HotTrack() const { return FBase ? FBase->HotTrack() : FValues.HotTrack; }
bool TEditStyle::Shadow() const { return FBase ? FBase->Shadow() : FValues.Shadow; }
bool TEditStyle::TransparentBorder() const { return FBase ? FBase->TransparentBorder() : FValues.TransparentBorder; }

void TEditStyle::SetBorderStyle(TEditBorderStyle style) { Assign(&TValues::BorderStyle, style, svBorderStyle); }
void TEditStyle::SetBorderColor(TColor color) { Assign(&TValues::BorderColor, color, svBorderColor); }
void TEditStyle::SetColor(TColor color) { Assign(&TValues::Color, color, svColor); }
void TEditStyle::SetTextColor(TColor color) { Assign(&TValues::TextColor, color, svTextColor); }

void TEditStyle::SetEdges(TBorders edges) {
    if (FBase) return FBase->SetEdges(edges);
    Assign(&TValues::Edges, edges & bAll, svEdges);
}

void TEditStyle::SetHotTrack(bool hotTrack) {
    if (FBase) return FBase->SetHotTrack(hotTrack);
    Assign(&TValues::HotTrack, hotTrack, svHotTrack);
}

void TEditStyle::SetShadow(bool shadow) {
    if (FBase) return FBase->SetShadow(shadow);
    Assign(&TValues::Shadow, shadow, svShadow);
}

void TEditStyle::SetTransparentBorder(bool transparent) {
    if (FBase) return FBase->SetTransparentBorder(transparent);
    Assign(&TValues::TransparentBorder, transparent, svTransparentBorder);
}
