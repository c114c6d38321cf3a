#include "controls/buttons/custom_hot_button.h"

#include "controls/buttons/hot_button_painter.h"
#include "toolkit/layout_enum.h"
#include "controls/buttons/shading_canvas.h"
#include "toolkit/form.h"
#include "toolkit/strings.h"
#include "toolkit/theme_services.h"

namespace {

constexpr WPARAM kAnyButtonHeld = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

int PointX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int PointY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

const std::pair<const char*, TAlignmentVertical> kVerticalNames[] = {
    {"avTop", TAlignmentVertical::avTop}, {"avCenter", TAlignmentVertical::avCenter},
    {"avBottom", TAlignmentVertical::avBottom}};
const std::pair<const char*, THotTrackColorType> kHotTrackColorTypeNames[] = {
    {"htctComplement", THotTrackColorType::htctComplement}, {"htctActual", THotTrackColorType::htctActual}};
const std::pair<const char*, TTextStyle> kTextStyleNames[] = {
    {"tsNormal", TTextStyle::tsNormal}, {"tsRaised", TTextStyle::tsRaised},
    {"tsRecessed", TTextStyle::tsRecessed}, {"tsShadow", TTextStyle::tsShadow}};

}  // namespace

TCustomHotButton::TCustomHotButton(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 115, 17);
    SetTabStop(true);
}

void TCustomHotButton::SetCaption(std::wstring caption) { SetAndInvalidate(FCaption, std::move(caption)); }
void TCustomHotButton::SetAlignmentVertical(TAlignmentVertical value) { SetAndInvalidate(FAlignmentVertical, value); }
void TCustomHotButton::SetHotTrack(bool value) { SetAndInvalidate(FHotTrack, value); }
void TCustomHotButton::SetHotTrackColor(TColor value) { SetAndInvalidate(FHotTrackColor, value); }
void TCustomHotButton::SetHotTrackColorType(THotTrackColorType value) { SetAndInvalidate(FHotTrackColorType, value); }
void TCustomHotButton::SetHighlightColor(TColor value) { SetAndInvalidate(FHighlightColor, value); }
void TCustomHotButton::SetTextStyle(TTextStyle value) { SetAndInvalidate(FTextStyle, value); }
void TCustomHotButton::SetLightTextStyle(bool value) { SetAndInvalidate(FLightTextStyle, value); }
void TCustomHotButton::SetTextHighlightColor(TColor value) { SetAndInvalidate(FTextHighlightColor, value); }
void TCustomHotButton::SetTextShadowColor(TColor value) { SetAndInvalidate(FTextShadowColor, value); }
void TCustomHotButton::SetTextShadowDepth(int value) { SetAndInvalidate(FTextShadowDepth, value); }
void TCustomHotButton::SetThemeAware(bool value) { SetAndInvalidate(FThemeAware, value); }
void TCustomHotButton::SetTransparent(bool value) { SetAndInvalidate(FTransparent, value); }

bool TCustomHotButton::ThemeStyleApplies() const {
    return FThemeAware && TThemeServices::Instance().ThemesEnabledForApplication();
}

TColor TCustomHotButton::CaptionColor() const { return Font().Color() == clNone ? clBlack : Font().Color(); }

LRESULT TCustomHotButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        PointerMoved(PointX(lParam), PointY(lParam));
        return 0;
    case WM_MOUSELEAVE:
        if (FMouseInside) PointerLeft();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a double click is a second press: two clicks
        SetCapture(Handle());
        LeftButtonDown();
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        SetCapture(Handle());
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        ButtonUp(wParam, PointX(lParam), PointY(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Handle()) CancelPress();
        return 0;
    case WM_CANCELMODE:
        CancelPress();
        return 0;
    case WM_SETFOCUS:
        FocusEnter();
        FocusGained();
        return 0;
    case WM_KILLFOCUS:
        FocusExit();
        FocusLost();
        return 0;
    default:
        return TCustomControl::WndProc(message, wParam, lParam);
    }
}

void TCustomHotButton::EraseBackground(HDC dc) {
    if (FTransparent)
        PaintBackdrop(dc);
    else
        FillSolid(dc, ClientRect(), Color());
}

void TCustomHotButton::PointerMoved(int x, int y) {
    bool inside = ClientRect().Contains(x, y);
    if (inside && !FMouseInside) PointerEntered();
    if (!inside && FMouseInside) PointerLeft();  // seen only while the mouse is captured
    if (FPressTracking && inside != FShowPressed) SetShowPressed(inside);
}

// Hover changes repaint without erasing: the see-through corners keep what they show.
void TCustomHotButton::PointerEntered() {
    FMouseInside = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
    if (OnMouseEnter) OnMouseEnter(this);
    if (FHotTrack || ThemeStyleApplies()) {
        RECT hot = GetHotRect().ToRECT();
        InvalidateRect(Handle(), &hot, FALSE);
    }
}

void TCustomHotButton::PointerLeft() {
    FMouseInside = false;
    if (OnMouseLeave) OnMouseLeave(this);
    if ((FHotTrack || ThemeStyleApplies()) && HandleAllocated()) {
        RECT hot = GetHotRect().ToRECT();
        InvalidateRect(Handle(), &hot, FALSE);
    }
}

void TCustomHotButton::LeftButtonDown() {
    if (!Enabled()) return;
    SetFocus();
    if (!Focused()) return;  // the focus was refused: no pressed look, no click
    FShowPressed = true;
    LookChanged();
    FPressTracking = true;
}

void TCustomHotButton::ButtonUp(WPARAM heldButtons, int x, int y) {
    bool tracking = FPressTracking;
    // Ended before the capture goes, so that its loss does not read as a cancelled press.
    FPressTracking = false;
    if (!(heldButtons & kAnyButtonHeld) && GetCapture() == Handle()) ReleaseCapture();
    if (!tracking) return;
    FShowPressed = false;
    if (ClientRect().Contains(x, y)) PerformPress();
    LookChanged();
}

void TCustomHotButton::CancelPress() {
    if (!FPressTracking) return;
    FPressTracking = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    SetShowPressed(false);
}

void TCustomHotButton::SetShowPressed(bool pressed) {
    if (pressed == FShowPressed) return;
    FShowPressed = pressed;
    LookChanged();
}

void TCustomHotButton::FocusLookChanged() {
    if (!HandleAllocated()) return;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void TCustomHotButton::FocusGained() { FocusLookChanged(); }

// A press held while the focus goes (Alt+Tab, a box) ends here without a click.
void TCustomHotButton::FocusLost() {
    CancelPress();
    FocusLookChanged();
}

void TCustomHotButton::EnabledChanged() {
    if (!Enabled() && Focused())
        if (TForm* form = ParentForm()) form->SelectNext(this, true, true);
    CancelPress();
    TCustomControl::EnabledChanged();
}

void TCustomHotButton::RenderCaptionText(TCanvas& canvas, TRect area, UINT textFlags) {
    TCaptionTextView view;
    view.Text = FCaption;
    view.Area = area;
    view.Flags = textFlags;
    view.Vertical = FAlignmentVertical;
    view.Enabled = Enabled();
    view.Color = Enabled() ? CaptionColor() : clGrayText;
    view.Style = FTextStyle;
    view.LightOnly = FLightTextStyle;
    view.HighlightColor = FTextHighlightColor;
    view.ShadowColor = FTextShadowColor;
    view.ShadowDepth = FTextShadowDepth;
    view.RightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    DrawCaptionText(canvas, view);
}

bool TCustomHotButton::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "Caption") SetCaption(Utf8ToWide(LayoutString(p)));
    else if (n == "AlignmentVertical") SetAlignmentVertical(LayoutEnum(p, kVerticalNames));
    else if (n == "HotTrack") SetHotTrack(LayoutBoolean(p));
    else if (n == "HotTrackColor") SetHotTrackColor(LayoutColor(p));
    else if (n == "HotTrackColorType") SetHotTrackColorType(LayoutEnum(p, kHotTrackColorTypeNames));
    else if (n == "HighlightColor") SetHighlightColor(LayoutColor(p));
    else if (n == "TextStyle") SetTextStyle(LayoutEnum(p, kTextStyleNames));
    else if (n == "LightTextStyle") SetLightTextStyle(LayoutBoolean(p));
    else if (n == "TextHighlightColor") SetTextHighlightColor(LayoutColor(p));
    else if (n == "TextShadowColor") SetTextShadowColor(LayoutColor(p));
    else if (n == "TextShadowDepth") SetTextShadowDepth(static_cast<int>(LayoutInteger(p)));
    else if (n == "ThemeAware") SetThemeAware(LayoutBoolean(p));
    else if (n == "OnMouseEnter") OnMouseEnter = context.NotifyHandler(LayoutIdentifier(p));
    else if (n == "OnMouseLeave") OnMouseLeave = context.NotifyHandler(LayoutIdentifier(p));
    else return TCustomControl::SetProperty(p, context);
    return true;
}
