#include "toolkit/label.h"

#include "toolkit/strings.h"
#include "toolkit/theme_services.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {}

void TLabel::SetCaption(std::wstring caption) {
    if (caption == FCaption) return;
    FCaption = std::move(caption);
    AdjustSize();
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    FAutoSize = autoSize;
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent) {
    if (transparent == FTransparent) return;
    FTransparent = transparent;
    Invalidate();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!FAutoSize || Loading()) return;
    TCanvas measure;
    measure.Font() = Font();
    SIZE size = measure.TextExtent(FCaption);
    SetBounds(Left(), Top(), size.cx, size.cy);
}

void TLabel::Paint(TCanvas& canvas) {
    // See-through only while visual themes are active, as the platform's own labels are; opaque
    // in the parent's colour otherwise. Both show the same over the dialog face.
    if (!FTransparent || !TThemeServices::Instance().ThemesActive()) canvas.FillRect(ClientRect(), Color());
    TColor text = Enabled() ? Font().Color() : clGrayText;
    canvas.DrawText(FCaption, ClientRect(), DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX, text);
}

bool TLabel::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    if (p.Name == "Caption") SetCaption(Utf8ToWide(LayoutString(p)));
    else if (p.Name == "AutoSize") SetAutoSize(LayoutBoolean(p));
    else if (p.Name == "Transparent") SetTransparent(LayoutBoolean(p));
    else return TGraphicControl::SetProperty(p, context);
    return true;
}
