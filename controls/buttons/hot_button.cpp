#include "controls/buttons/hot_button.h"

#include <cwctype>

#include "controls/buttons/hot_button_painter.h"
#include "toolkit/layout_enum.h"
#include "controls/buttons/shading/color_shading.h"
#include "controls/buttons/shading_canvas.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"

namespace {

constexpr TColor kWhite = MakeRGB(255, 255, 255);
constexpr TColor kSilver = MakeRGB(192, 192, 192);
constexpr TColor kGray = MakeRGB(128, 128, 128);

// Theme part states of the push button.
constexpr int kStateNormal = 1, kStateHot = 2, kStatePressed = 3, kStateDisabled = 4, kStateDefaulted = 5;

TRect Shrunk(const TRect& r, int by) { return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }

// A standard push button of the platform (a native BUTTON window) also takes the default look.
bool IsPushButton(TWinControl* control) {
    if (!control || !control->HandleAllocated()) return false;
    HWND window = control->FocusWindow();
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiW(className, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

THotButton::THotButton(TComponent* owner) : TCustomHotButton(owner) { SetBounds(0, 0, 75, 25); }

void THotButton::SetAlignment(TAlignment value) { SetAndInvalidate(FAlignment, value); }
void THotButton::SetCancel(bool value) { SetAndInvalidate(FCancel, value); }
void THotButton::SetModalResult(TModalResult value) { FModalResult = value; }
void THotButton::SetFrameColor(TColor value) { SetAndInvalidate(FFrameColor, value); }
void THotButton::SetShowFocusRect(bool value) { SetAndInvalidate(FShowFocusRect, value); }
void THotButton::SetShowDownPattern(bool value) { SetAndInvalidate(FShowDownPattern, value); }

// The form says again who has the focus, and every button takes its default look from that.
void THotButton::SetDefault(bool value) {
    if (value == FDefault) return;
    FDefault = value;
    if (TForm* form = ParentForm(); form && form->HandleAllocated())
        form->SetFocusedControl(form->ActiveControl());
    else
        FocusChanged(nullptr);
}

void THotButton::SetGroupIndex(int value) {
    if (value == FGroupIndex) return;
    FGroupIndex = value;
    NotifyGroup();
    Invalidate();
}

void THotButton::SetAllowAllUp(bool value) {
    if (value == FAllowAllUp) return;
    FAllowAllUp = value;
    NotifyGroup();
}

void THotButton::SetDown(bool value) {
    if (FGroupIndex == 0 || value == FLatchedDown) return;
    if (!value && !FAllowAllUp) return;  // the group keeps one latched member
    FLatchedDown = value;
    Invalidate();
    if (value) NotifyGroup();
}

void THotButton::SetHotTrack(bool value) {
    TCustomHotButton::SetHotTrack(value);
    SetTransparent(value);
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void THotButton::NotifyGroup() {
    if (FGroupIndex == 0 || !Parent()) return;
    for (TControl* control : Parent()->Controls())
        if (auto member = dynamic_cast<THotButton*>(control); member && member != this) member->GroupChanged(*this);
}

void THotButton::GroupChanged(THotButton& sender) {
    if (sender.FGroupIndex != FGroupIndex) return;
    if (sender.FLatchedDown && FLatchedDown) {
        FLatchedDown = false;
        Invalidate();
    }
    FAllowAllUp = sender.FAllowAllUp;
}

bool THotButton::LatchedOrPressed() const { return ShowPressed() || (FGroupIndex != 0 && FLatchedDown); }

void THotButton::CreateWnd() {
    TCustomHotButton::CreateWnd();
    FDefaultLook = FDefault;
}

void THotButton::Click() {
    if (TForm* form = dynamic_cast<TForm*>(Parent())) form->SetModalResult(FModalResult);
    TCustomHotButton::Click();
}

void THotButton::PerformPress() {
    if (FGroupIndex != 0)
        SetDown(!FLatchedDown);
    else
        LookChanged();
    struct TClickScope {
        bool& InClick;
        explicit TClickScope(bool& flag) : InClick(flag) { InClick = true; }
        ~TClickScope() { InClick = false; }
    } scope(FInClick);
    Click();
}

void THotButton::LookChanged() { Invalidate(); }

void THotButton::FocusChanged(TWinControl* focused) {
    bool look = (dynamic_cast<THotButton*>(focused) || IsPushButton(focused)) ? focused == this : FDefault;
    if (look == FDefaultLook) return;
    FDefaultLook = look;
    Invalidate();
}

void THotButton::FocusLost() {
    FSpaceArmed = false;
    TCustomHotButton::FocusLost();
    SetShowPressed(false);
}

bool THotButton::ModifierHeld() const {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

// Enter and Escape are the form's keys: it offers them to every control.
bool THotButton::WantsKey(UINT key) const { return key == VK_SPACE; }

bool THotButton::DialogKey(UINT key) {
    bool mine = (key == VK_RETURN && FDefaultLook) || (key == VK_ESCAPE && FCancel);
    if (!mine || ModifierHeld() || !CanFocus()) return false;
    Click();
    return true;
}

bool THotButton::DialogChar(wchar_t character) {
    std::size_t mark = Caption().find(L'&');
    while (mark != std::wstring::npos && mark + 1 < Caption().size() && Caption()[mark + 1] == L'&')
        mark = Caption().find(L'&', mark + 2);  // "&&" is a plain ampersand
    if (mark == std::wstring::npos || mark + 1 >= Caption().size() || !CanFocus()) return false;
    if (std::towupper(character) != std::towupper(Caption()[mark + 1])) return false;
    Click();
    return true;
}

// The caption as read aloud: "&" marks the next character as the accelerator, "&&" is a plain
// ampersand.
std::wstring THotButton::AccessibleName() const {
    std::wstring name;
    for (std::size_t i = 0; i < Caption().size(); ++i) {
        if (Caption()[i] == L'&' && i + 1 < Caption().size()) ++i;
        name += Caption()[i];
    }
    return name;
}

// Enter and Escape reach the window itself only when the message loop's offer to the form did
// not take them (a modifier held), or when sent straight to it. Enter typed on a button is
// Enter on the focused button, which has the default look; Escape still belongs to the form.
void THotButton::DialogKeyAtWindow(UINT key) {
    if (key == VK_RETURN && !ModifierHeld() && CanFocus()) Click();
    else if (key == VK_ESCAPE && ParentForm()) ParentForm()->DialogKey(key);
}

void THotButton::SpaceDown() {
    if (GetKeyState(VK_MENU) < 0) return;
    FSpaceArmed = true;
    SetShowPressed(true);
}

// Armed stays set while the focus stays, so a release clicks even after an Alt+Space press.
void THotButton::SpaceUp() {
    SetShowPressed(false);
    if (FSpaceArmed) PerformPress();
}

LRESULT THotButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) SpaceDown();
        else if (wParam == VK_RETURN || wParam == VK_ESCAPE) DialogKeyAtWindow(static_cast<UINT>(wParam));
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) SpaceUp();
        return 0;
    case WM_CHAR:  // the button takes no text: a letter may be an accelerator
        if (wParam != L' ' && ParentForm()) ParentForm()->DialogChar(static_cast<wchar_t>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_BUTTON | (FDefaultLook ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    default:
        return TCustomHotButton::WndProc(message, wParam, lParam);
    }
}

TButtonPaintStyle THotButton::PaintStyle() const {
    if (ThemeStyleApplies()) return TButtonPaintStyle::psTheme;
    return HotTrack() ? TButtonPaintStyle::psHotTrack : TButtonPaintStyle::psClassic;
}

TFaceLook THotButton::FaceLook() const {
    if (LatchedOrPressed()) return TFaceLook::flPressed;
    if (MouseInside()) return TFaceLook::flHot;
    if (FGroupIndex != 0 || !(FDefaultLook || Focused())) return TFaceLook::flPlain;
    return TFaceLook::flFocusRing;
}

TFaceColors THotButton::ComputeColors(TButtonPaintStyle style, TFaceLook look) const {
    TFaceColors c;
    c.Face = Color();
    if (style == TButtonPaintStyle::psClassic) {
        bool system = Color() == clBtnFace;
        c.BevelHighlight = system ? clBtnHighlight : LightenBy(Color(), 60);
        c.BevelLight = system ? cl3DLight : LightenBy(Color(), 20);
        c.BevelShadow = system ? clBtnShadow : DarkenBy(Color(), 40);
        c.BevelDark = system ? cl3DDkShadow : DarkenBy(Color(), 80);
        return c;
    }
    if (style != TButtonPaintStyle::psHotTrack) return c;
    if (!Enabled()) {
        c.Frame = Color() == clBtnFace ? LightenBy(clBtnShadow, 30) : DarkenBy(Color(), 80);
        return c;
    }
    TColor base = Parent() ? Parent()->Color() : clBtnFace;
    c.WellDark = DarkenBy(base, 20);
    c.WellLight = LightenBy(base, 20);
    c.Frame = FFrameColor;
    c.Pressed = DarkenBy(Color(), 10);
    c.ShadeUpper = DarkenBy(Color(), 20);
    c.ShadeLower = DarkenBy(Color(), 30);
    c.RunTop = LightenBy(Color(), 30);
    c.RunBottom = DarkenBy(Color(), 10);
    if (look == TFaceLook::flHot && HotTrackColorType() == THotTrackColorType::htctActual) {
        c.RingTop = MixColors(kWhite, HotTrackColor(), 190);
        c.RingBottom = HotTrackColor();
    } else if (look == TFaceLook::flHot) {
        c.RingTop = OppositeHue(HotTrackColor(), 180);
        c.RingBottom = DarkenBy(c.RingTop, 30);
    } else if (look == TFaceLook::flFocusRing) {
        TColor back = LightenBy(Color(), 30);
        TColor fore = ColorsNearlySame(HighlightColor(), clBtnFace) ? DarkenBy(HighlightColor(), 30) : HighlightColor();
        c.RingTop = MixColors(fore, back, 60);
        c.RingBottom = MixColors(fore, back, 160);
    }
    return c;
}

THotButtonView THotButton::ComputeView() {
    THotButtonView view;
    view.Window = Handle();
    view.Client = ClientRect();
    view.Style = PaintStyle();
    view.Enabled = Enabled();
    view.FullColor = FullColorDisplay();
    view.Look = FaceLook();
    view.Colors = ComputeColors(view.Style, view.Look);
    bool grouped = FGroupIndex != 0;
    view.FocusRect = Shrunk(view.Client, view.Style == TButtonPaintStyle::psClassic ? 4 : 3);
    if (grouped && LatchedOrPressed()) view.FocusRect = {view.FocusRect.Left + 1, view.FocusRect.Top + 1,
                                                         view.FocusRect.Right + 1, view.FocusRect.Bottom + 1};
    view.Face = Shrunk(view.Client, view.Style == TButtonPaintStyle::psTheme ? 3 : 2);
    view.ClassicFrame = !grouped && (((FDefaultLook || Focused()) && !ShowPressed()) || FInClick);
    view.ClassicPushed = LatchedOrPressed();
    if (view.Style == TButtonPaintStyle::psClassic && view.ClassicFrame) view.Face = Shrunk(view.Face, 1);
    view.ThemeState = !Enabled()                 ? kStateDisabled
                      : LatchedOrPressed()       ? kStatePressed
                      : MouseInside()            ? kStateHot
                      : view.Look != TFaceLook::flFocusRing ? kStateNormal
                                                            : kStateDefaulted;
    view.DownPattern = grouped && FLatchedDown && FShowDownPattern;
    view.PatternBack = Color();
    view.PatternDots = ResolveColor(Color()) == kSilver ? kGray : kSilver;
    view.FocusDots = Focused() && FShowFocusRect;
    view.CaptionRect = ComputeCaptionRect();
    return view;
}

TRect THotButton::ComputeCaptionRect() {
    TRect r = Shrunk(ClientRect(), 5);
    if (PaintStyle() == TButtonPaintStyle::psClassic && LatchedOrPressed()) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    return r;
}

void THotButton::Paint(TCanvas& canvas) {
    THotButtonView view = ComputeView();
    PaintFrameAndFace(canvas, view);
    if (view.DownPattern) {
        TBitmap pattern;
        BuildDownPattern(pattern);
        FillWithPattern(canvas, view.Face, pattern);
    }
    canvas.SetBrushColor(Color());
    RenderCaption(canvas, view);
    if (view.FocusDots) DrawDottedFocus(canvas, view.FocusRect);
}

void THotButton::RenderCaption(TCanvas& canvas, const THotButtonView& view) {
    UINT flags = DT_WORDBREAK | DT_EXPANDTABS;
    bool mirrored = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    if (FAlignment == TAlignment::taCenter) flags |= DT_CENTER;
    else if ((FAlignment == TAlignment::taRightJustify) != mirrored) flags |= DT_RIGHT;
    else flags |= DT_LEFT;
    RenderCaptionText(canvas, view.CaptionRect, flags);
}

void THotButton::BuildDownPattern(TBitmap& pattern) {
    pattern.SetSize(8, 8);
    std::uint32_t back = ResolveColor(Color()), dots = ResolveColor(Color()) == kSilver ? kGray : kSilver;
    auto word = [](TColor c) { return (std::uint32_t{RedOf(c)} << 16) | (std::uint32_t{GreenOf(c)} << 8) | BlueOf(c); };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) pattern.Bits()[y * 8 + x] = word(x % 2 == y % 2 ? dots : back);
}

// Backdrop: the parent shows only at the cut corners (enabled), or around the whole frame
// and inside its corners (disabled, where no well is drawn).
void THotButton::PaintBackdrop(HDC dc) {
    int w = Width(), h = Height();
    int saved = SaveDC(dc);
    if (Enabled()) {
        ExcludeClipRect(dc, 1, 1, w - 1, h - 1);
        ExcludeClipRect(dc, 0, 2, w, h - 2);
        ExcludeClipRect(dc, 2, 0, w - 2, h);
    } else {
        ExcludeClipRect(dc, 2, 2, w - 2, h - 2);
        ExcludeClipRect(dc, 1, 3, w - 1, h - 3);
        ExcludeClipRect(dc, 3, 1, w - 3, h - 1);
    }
    PaintParentBehind(*this, dc);
    RestoreDC(dc, saved);
}

bool THotButton::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "Alignment") SetAlignment(LayoutEnum(p, kAlignmentNames));
    else if (n == "Default") SetDefault(LayoutBoolean(p));
    else if (n == "Cancel") SetCancel(LayoutBoolean(p));
    else if (n == "ModalResult") SetModalResult(static_cast<TModalResult>(LayoutInteger(p)));
    else if (n == "FrameColor") SetFrameColor(LayoutColor(p));
    else if (n == "ShowFocusRect") SetShowFocusRect(LayoutBoolean(p));
    else if (n == "GroupIndex") SetGroupIndex(static_cast<int>(LayoutInteger(p)));
    else if (n == "Down") SetDown(LayoutBoolean(p));
    else if (n == "AllowAllUp") SetAllowAllUp(LayoutBoolean(p));
    else if (n == "ShowDownPattern") SetShowDownPattern(LayoutBoolean(p));
    else if (n == "DropDownOnEnter") SetDropDownOnEnter(LayoutBoolean(p));
    else if (n == "FrameFlat") SetHotTrack(LayoutBoolean(p));  // the older name of HotTrack
    else return TCustomHotButton::SetProperty(p, context);
    return true;
}
