#include "toolkit/control.h"

#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/layout/layout_scaling.h"
#include "toolkit/strings.h"
#include "toolkit/win_control.h"

TColor LayoutColor(const TLayoutProperty& property) {
    if (!std::holds_alternative<TLayoutIdentifier>(property.Value))
        return static_cast<TColor>(LayoutInteger(property));
    auto color = ColorFromName(LayoutIdentifier(property));
    if (!color) LayoutFail(property, "unknown colour " + LayoutIdentifier(property));
    return *color;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (FParent) FParent->RemoveControl(this);
    FParent = parent;
    if (FParent) {
        FParent->InsertControl(this);
        if (FParentColor) FColor = FParent->Color();
        ApplyAlign();
    }
}

TForm* TControl::ParentForm() const {
    const TControl* control = this;
    while (control->FParent) control = control->FParent;
    return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    TRect bounds{left, top, left + width, top + height};
    if (bounds == FBounds) return;
    Invalidate();
    FBounds = bounds;
    BoundsChanged();
    Invalidate();
}

void TControl::SetAlign(TAlign align) {
    FAlign = align;
    ApplyAlign();
}

void TControl::ApplyAlign() {
    if (FAlign == TAlign::alTop && FParent) SetBounds(0, 0, FParent->ClientRect().Width(), Height());
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible) return;
    if (!visible) Invalidate();
    FVisible = visible;
    VisibleChanged();
}

void TControl::VisibleChanged() { Invalidate(); }

void TControl::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    EnabledChanged();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->FParent)
        if (!c->FVisible || !c->FEnabled) return false;
    return true;
}

void TControl::SetColor(TColor color) {
    FParentColor = false;
    if (color == FColor) return;
    FColor = color;
    ColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent) return;
    FColor = FParent->Color();
    ColorChanged();
}

int TControl::PixelsPerInch() const {
    TForm* form = ParentForm();
    return form ? form->PixelsPerInch() : kDesignPixelsPerInch;
}

std::wstring TControl::AccessibleName() const {
    if (!FAccessibleName.empty()) return FAccessibleName;
    if (!Owner()) return {};
    for (TComponent* component : Owner()->Components())
        if (auto label = dynamic_cast<TLabel*>(component); label && label->FocusControl() == this)
            return label->AccessibleName();
    return {};
}

long TControl::AccessibleState() const {
    long state = 0;
    for (const TControl* c = this; c; c = c->FParent) {
        if (!c->FVisible) state |= STATE_SYSTEM_INVISIBLE;
        if (!c->FEnabled) state |= STATE_SYSTEM_UNAVAILABLE;
    }
    return state;
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::Invalidate() {
    if (!FParent || !FParent->HandleAllocated() || FBounds.Width() <= 0) return;
    RECT r = FBounds.ToRECT();
    InvalidateRect(FParent->Handle(), &r, FALSE);
}

void TControl::PaintControl(HDC dc) {
    TCanvasBinding binding(FCanvas, dc);
    FCanvas.Font() = FFont;
    Paint(FCanvas);
}

bool TControl::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "Left") SetBounds(static_cast<int>(LayoutInteger(p)), Top(), Width(), Height());
    else if (n == "Top") SetBounds(Left(), static_cast<int>(LayoutInteger(p)), Width(), Height());
    else if (n == "Width") SetBounds(Left(), Top(), static_cast<int>(LayoutInteger(p)), Height());
    else if (n == "Height") SetBounds(Left(), Top(), Width(), static_cast<int>(LayoutInteger(p)));
    else if (n == "Visible") SetVisible(LayoutBoolean(p));
    else if (n == "Enabled") SetEnabled(LayoutBoolean(p));
    else if (n == "ParentColor") FParentColor = LayoutBoolean(p);
    else if (n == "ParentFont") (void)LayoutBoolean(p);  // every control here sets its own font
    else if (n == "Color") SetColor(LayoutColor(p));
    else if (n == "AccessibleName") FAccessibleName = Utf8ToWide(LayoutString(p));
    else if (n == "Font.Name") FFont.SetName(Utf8ToWide(LayoutString(p)));
    else if (n == "Font.Height") FFont.SetHeight(static_cast<int>(LayoutInteger(p)));
    else if (n == "Font.Charset") FFont.SetCharset(static_cast<int>(LayoutInteger(p)));
    else if (n == "Font.Color") FFont.SetColor(LayoutColor(p));
    else if (n == "Font.Style") FFont.SetBold(LayoutSetHas(p, "fsBold"));
    else if (n == "Align") {
        const std::string& align = LayoutIdentifier(p);
        if (align != "alTop" && align != "alNone") LayoutFail(p, "unsupported alignment " + align);
        SetAlign(align == "alTop" ? TAlign::alTop : TAlign::alNone);
    } else if (n == "OnClick") OnClick = context.NotifyHandler(LayoutIdentifier(p));
    else return TComponent::SetProperty(p, context);
    return true;
}
