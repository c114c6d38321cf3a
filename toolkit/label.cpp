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
    if (FFocusControl && !FocusControl())
        LayoutFail(*FFocusControl, "no control named " + LayoutIdentifier(*FFocusControl));
    AdjustSize();
}

TControl* TLabel::FocusControl() const {
    if (!FFocusControl || !Owner()) return nullptr;
    return dynamic_cast<TControl*>(Owner()->FindComponent(LayoutIdentifier(*FFocusControl)));
}

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x3000; }  // 0x3000: ideographic space

}  // namespace

std::wstring TLabel::AccessibleName() const {
    std::wstring name = TGraphicControl::AccessibleName();
    if (!name.empty()) return name;
    name = FCaption;
    while (!name.empty() && (name.back() == L':' || name.back() == 0xFF1A || IsBlank(name.back()))) name.pop_back();
    // Blanks between two wide (non-ASCII) characters pad the label; between words they stay.
    std::wstring text;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (IsBlank(name[i]) && !text.empty() && text.back() > 0x7F) {
            std::size_t next = i;
            while (next < name.size() && IsBlank(name[next])) ++next;
            if (next < name.size() && name[next] > 0x7F) {
                i = next - 1;
                continue;
            }
        }
        text += name[i];
    }
    return text;
}

void TLabel::AdjustSize() {
    if (!FAutoSize || Loading()) return;
    SIZE size = MeasureText(Font(), FCaption);
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
    else if (p.Name == "FocusControl") {
        (void)LayoutIdentifier(p);  // refuses anything but a name now, with the line
        FFocusControl = p;
    }
    else return TGraphicControl::SetProperty(p, context);
    return true;
}
