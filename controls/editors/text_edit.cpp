#include "controls/editors/text_edit.h"

#include "controls/editors/edit_painter.h"
#include "controls/editors/edit_style_layout.h"
#include "controls/editors/look_and_feel_painter.h"
#include "toolkit/form.h"
#include "toolkit/layout_enum.h"
#include "toolkit/strings.h"

namespace {

constexpr std::pair<const char*, TEditEchoMode> kEchoModeNames[] = {{"eemNormal", TEditEchoMode::eemNormal},
                                                                    {"eemPassword", TEditEchoMode::eemPassword}};
constexpr std::pair<const char*, TEditVertAlignment> kVertAlignmentNames[] = {
    {"taTopJustify", TEditVertAlignment::taTopJustify},
    {"taBottomJustify", TEditVertAlignment::taBottomJustify},
    {"taVCenter", TEditVertAlignment::taVCenter}};

bool ButtonsOrShiftDown() {
    for (int key : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_SHIFT})
        if (GetKeyState(key) < 0) return true;
    return false;
}

DWORD AlignmentStyle(const TTextEditProperties& p) {
    DWORD style = ES_LEFT;
    if (p.Horz == TAlignment::taCenter) style = ES_CENTER;
    if (p.Horz == TAlignment::taRightJustify) style = ES_RIGHT;
    if (p.CharCase == TEditCharCase::ecUpperCase) style |= ES_UPPERCASE;
    if (p.CharCase == TEditCharCase::ecLowerCase) style |= ES_LOWERCASE;
    if (!p.HideSelection) style |= ES_NOHIDESEL;
    return style;
}

constexpr DWORD kPropertyStyles = ES_CENTER | ES_RIGHT | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL;
constexpr int kThemeFillColor = 3802;  // TMT_FILLCOLOR

}  // namespace

TTextEdit::TTextEdit(TComponent* owner)
    : TCustomControl(owner), FStyles(&Font(), false), FTracker([this] { SetHot(false); }) {
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    Font().SetColor(clWindowText);
    FStyles.SetOnChanged([this] { UpdateView(); });
}

TTextEdit::~TTextEdit() { FStyles.SetOnChanged({}); }

std::string TTextEdit::Text() const {
    if (!FEdit) return FText;
    int length = GetWindowTextLengthW(FEdit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(FEdit, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return WideToAnsi(text);
}

void TTextEdit::SetText(const std::string& text) {
    FText = text;
    if (FEdit) SetWindowTextW(FEdit, AnsiToWide(text).c_str());
}

void TTextEdit::SetProperties(const TTextEditProperties& properties) {
    if (properties == FProperties) return;
    FProperties = properties;
    ApplyProperties();
    UpdateView();
}

// The view is computed first, so the EDIT is created in its place with the properties' styles
// and needs no moving or restyling afterwards.
void TTextEdit::CreateWnd() {
    FViewComputed = false;
    UpdateView();
    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | AlignmentStyle(FProperties);
    if (FProperties.ReadOnly) style |= ES_READONLY;
    if (FProperties.EchoChar()) style |= ES_PASSWORD;
    RECT place = InnerEditRect();
    FEdit = CreateWindowExW(0, L"EDIT", AnsiToWide(FText).c_str(), style, place.left, place.top,
                            place.right - place.left, place.bottom - place.top, Handle(), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(FEdit, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    SubclassChild(FEdit);
    ApplyProperties();
    TCustomControl::CreateWnd();
}

// The properties object's settings, given to the inner edit together with the echo. A setting
// the EDIT has already is not sent again: each change restyles the window.
void TTextEdit::ApplyProperties() {
    if (!FEdit) return;
    auto style = static_cast<DWORD>(GetWindowLongPtrW(FEdit, GWL_STYLE));
    DWORD wanted = (style & ~kPropertyStyles) | AlignmentStyle(FProperties);
    if (wanted != style) SetWindowLongPtrW(FEdit, GWL_STYLE, static_cast<LONG_PTR>(wanted));
    if (((style & ES_READONLY) != 0) != FProperties.ReadOnly)
        SendMessageW(FEdit, EM_SETREADONLY, FProperties.ReadOnly, 0);
    SendMessageW(FEdit, EM_SETLIMITTEXT, static_cast<WPARAM>(FProperties.MaxLength), 0);
    wchar_t echo = FProperties.EchoChar();
    if (static_cast<wchar_t>(SendMessageW(FEdit, EM_GETPASSWORDCHAR, 0, 0)) != echo)
        SendMessageW(FEdit, EM_SETPASSWORDCHAR, echo, 0);
    InvalidateRect(FEdit, nullptr, TRUE);
}

TEditViewOptions TTextEdit::ViewOptions() const {
    TEditViewOptions options;
    options.TextEditor = true;
    options.NativeAvailable = FStyles.Style.LookAndFeel().PainterFor({TThemedObjectType::totEdit}).Native();
    return options;
}

// While the layout is read each property would recompute the view; it is computed once when
// loading ends.
void TTextEdit::UpdateView() {
    if (Loading()) return;
    TEditStates states = EditStates(Enabled(), Focused(), FHot);
    TEditViewOptions options = ViewOptions();
    TRect bounds{0, 0, Width(), Height()};
    if (options.NativeAvailable) {
        TThemeServices& themes = TThemeServices::Instance();
        HTHEME theme = themes.Open(TThemedObjectType::totEdit);
        RECT r = bounds.ToRECT(), content = r;
        themes.Api().GetThemeBackgroundContentRect(theme, nullptr, 1, NativeEditState(states), &r, &content);
        options.NativeContent = TRect{content.left, content.top, content.right, content.bottom};
        COLORREF fill = 0;
        if (SUCCEEDED(themes.Api().GetThemeColor(theme, 1, NativeEditState(esDisabled), kThemeFillColor, &fill)))
            options.NativeDisabledFill = fill;
    }
    TEditViewInfo view = CalculateEditView(FStyles, states, bounds, options);
    if (FViewComputed && view == FView) return;
    bool regionChanged = !FViewComputed || view.FrameRect != FView.FrameRect || view.HasRegion != FView.HasRegion ||
                         view.Shadow != FView.Shadow;
    FView = view;
    FViewComputed = true;
    if (HandleAllocated() && regionChanged) {
        TRegionObject region = EditWindowRegion(FView);
        SetWindowRgn(Handle(), region.ReleaseToSystem(), TRUE);
    }
    PlaceInnerEdit();
    Invalidate();
    if (FEdit) InvalidateRect(FEdit, nullptr, TRUE);
}

int TTextEdit::InnerEditHeight() const {
    return MeasureText(Font(), L"Qq").cy;
}

// Inside the content rectangle, vertically placed by the alignment and never above the content
// top. The width is the content width: one pixel more would lay the EDIT over the frame's right
// column.
RECT TTextEdit::InnerEditRect() const {
    const TRect& content = FView.ClientRect;
    int height = InnerEditHeight();
    int top = content.Top;
    if (FProperties.Vert == TEditVertAlignment::taBottomJustify) top = content.Bottom - height;
    else if (FProperties.Vert == TEditVertAlignment::taVCenter) top = content.Top + (content.Height() - height) / 2;
    top = std::max(top, content.Top);
    return RECT{content.Left, top, content.Right, top + height};
}

void TTextEdit::PlaceInnerEdit() {
    if (!FEdit) return;
    RECT wanted = InnerEditRect();
    RECT now{};
    GetWindowRect(FEdit, &now);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&now, &wanted)) return;
    MoveWindow(FEdit, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top, TRUE);
}

HWND TTextEdit::FocusWindow() {
    Handle();
    return FEdit;
}

// Tab, Escape and Enter are offered to the form first; every other key belongs to the EDIT.
bool TTextEdit::WantsKey(UINT key) const { return key != VK_TAB && key != VK_ESCAPE && key != VK_RETURN; }

void TTextEdit::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TTextEdit::PointerMoved(HWND window) {
    HWND capture = GetCapture();
    bool captured = capture && (capture == Handle() || capture == FEdit);
    if (!PointerMakesHot(true, ButtonsOrShiftDown(), captured)) return;
    if (window == FEdit) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FEdit, 0};
        TrackMouseEvent(&track);
    }
    SetHot(true);
    FTracker.Start(Handle());
}

void TTextEdit::SetHot(bool hot) {
    if (hot == FHot) return;
    FHot = hot;
    UpdateView();
}

LRESULT TTextEdit::InnerKeyDown(HWND child, WPARAM key, LPARAM lParam) {
    if (key == VK_RETURN && FProperties.ValidateOnEnter) return 0;
    // Escape after a change since the focus came brings back the value the editor had then; the
    // Escape character that follows is dropped.
    if (key == VK_ESCAPE && FModified) {
        SetText(FFocusValue);
        SendMessageW(child, EM_SETSEL, 0, -1);
        FModified = false;
        FEscapeConsumed = true;
        return 0;
    }
    return CallChildDefault(child, WM_KEYDOWN, key, lParam);
}

LRESULT TTextEdit::InnerChar(HWND child, WPARAM character, LPARAM lParam) {
    if (character == L'\t') return 0;
    if (character == 27 && FEscapeConsumed) {
        FEscapeConsumed = false;
        return 0;
    }
    std::string typed = WideToAnsi(std::wstring(1, static_cast<wchar_t>(character)));
    if (typed.size() == 1) {
        char key = typed[0];
        KeyPress(key);
        if (key == 0) return 0;
        if (key == '\r' && !FBeepOnEnter) return 0;
        std::wstring passed = AnsiToWide(std::string(1, key));
        if (passed.size() == 1) character = passed[0];
    }
    // A carriage return reaching the single-line EDIT is answered with the platform's beep.
    return CallChildDefault(child, WM_CHAR, character, lParam);
}

// Focus by keyboard or program selects the whole text; a click places the caret.
LRESULT TTextEdit::InnerFocus(HWND child, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallChildDefault(child, WM_SETFOCUS, wParam, lParam);
    bool byClick = FClickFocus || GetKeyState(VK_LBUTTON) < 0;
    if (!byClick && FProperties.AutoSelect) SendMessageW(child, EM_SETSEL, 0, -1);
    FFocusValue = Text();
    FModified = false;
    FEscapeConsumed = false;
    FocusEnter();
    UpdateView();
    return result;
}

LRESULT TTextEdit::InnerColors(HDC dc) {
    COLORREF face = ColorToRGB(FView.BackgroundColor);
    SetTextColor(dc, ColorToRGB(FView.TextColor));
    SetBkColor(dc, face);
    if (!FBackground || FBackgroundColor != face) {
        FBackground.Reset(CreateSolidBrush(face));
        FBackgroundColor = face;
    }
    return reinterpret_cast<LRESULT>(FBackground.Get());
}

LRESULT TTextEdit::ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        return InnerKeyDown(child, wParam, lParam);
    case WM_CHAR:
        return InnerChar(child, wParam, lParam);
    case WM_GETDLGCODE:
        return CallChildDefault(child, message, wParam, lParam) | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: {
        FClickFocus = true;
        LRESULT result = CallChildDefault(child, message, wParam, lParam);
        FClickFocus = false;
        return result;
    }
    case WM_SETFOCUS:
        return InnerFocus(child, wParam, lParam);
    case WM_KILLFOCUS: {
        LRESULT result = CallChildDefault(child, message, wParam, lParam);
        UpdateView();
        return result;
    }
    case WM_MOUSEMOVE:
        PointerMoved(child);
        return CallChildDefault(child, message, wParam, lParam);
    case WM_MOUSELEAVE:
        // The pointer may only have moved onto the frame: still over the editor, still hot.
        if (!THotTracker::PointerInside(Handle())) SetHot(false);
        return CallChildDefault(child, message, wParam, lParam);
    default:
        return CallChildDefault(child, message, wParam, lParam);
    }
}

LRESULT TTextEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        if (FEdit) ::SetFocus(FEdit);
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return InnerColors(reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONDOWN:
        FClickFocus = true;
        SetFocus();
        FClickFocus = false;
        return 0;
    case WM_MOUSEMOVE:
        PointerMoved(Handle());
        return 0;
    case WM_TIMER:
        if (FTracker.HandleTimer(wParam)) return 0;
        return TCustomControl::WndProc(message, wParam, lParam);
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == FEdit && HIWORD(wParam) == EN_CHANGE) FModified = true;
        return 0;
    default:
        return TCustomControl::WndProc(message, wParam, lParam);
    }
}

void TTextEdit::Paint(TCanvas& canvas) {
    if (!FViewComputed) UpdateView();
    PaintEditBorderAndBackground(canvas, FView);
}

void TTextEdit::BoundsChanged() {
    TCustomControl::BoundsChanged();
    UpdateView();
}

// The container is disabled; the EDIT stays enabled but gets no input through a disabled parent.
void TTextEdit::EnabledChanged() {
    TCustomControl::EnabledChanged();
    if (!Enabled()) {
        FHot = false;
        FTracker.Stop();
    }
    UpdateView();
}

void TTextEdit::Loaded() {
    TCustomControl::Loaded();
    ApplyProperties();
    UpdateView();
}

bool TTextEdit::SetEditorProperty(const TLayoutProperty& p) {
    const std::string& n = p.Name;
    TTextEditProperties next = FProperties;
    if (n == "Properties.EchoMode") {
        next.EchoMode = LayoutEnum(p, kEchoModeNames);
    } else if (n == "Properties.PasswordChar") {
        std::wstring echo = Utf8ToWide(LayoutString(p));
        if (echo.size() > 1) LayoutFail(p, "one character expected");
        next.PasswordChar = echo.empty() ? 0 : echo[0];
    } else if (n == "Properties.Alignment.Vert") {
        next.Vert = LayoutEnum(p, kVertAlignmentNames);
    } else if (n == "Properties.Alignment.Horz") {
        next.Horz = LayoutEnum(p, kAlignmentNames);
    } else if (n == "Properties.AutoSelect") next.AutoSelect = LayoutBoolean(p);
    else if (n == "Properties.HideSelection") next.HideSelection = LayoutBoolean(p);
    else if (n == "Properties.ReadOnly") next.ReadOnly = LayoutBoolean(p);
    else if (n == "Properties.ValidateOnEnter") next.ValidateOnEnter = LayoutBoolean(p);
    else if (n == "Properties.MaxLength") {
        if (LayoutInteger(p) < 0) LayoutFail(p, "a length of 0 or more expected");
        next.MaxLength = static_cast<int>(LayoutInteger(p));
    } else return false;
    SetProperties(next);
    return true;
}

bool TTextEdit::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "Text") SetText(Utf8ToAnsi(LayoutString(p)));
    else if (n == "OnKeyPress") OnKeyPress = context.KeyPressHandler(LayoutIdentifier(p));
    else if (n == "BeepOnEnter") SetBeepOnEnter(LayoutBoolean(p));
    else if (n == "AutoSize") {
        // The height is always the stored one: automatic sizing is not offered.
        if (LayoutBoolean(p)) LayoutFail(p, "automatic sizing is not supported; store False");
    } else if (n.rfind("Style.Font.", 0) == 0) {
        TLayoutProperty font = p;
        font.Name = n.substr(6);
        bool applied = TCustomControl::SetProperty(font, context);
        if (FEdit) SendMessageW(FEdit, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
        UpdateView();
        return applied;
    } else if (SetEditorProperty(p) || ApplyEditStyleProperty(FStyles, p)) {
        return true;
    } else return TCustomControl::SetProperty(p, context);
    return true;
}

long TTextEdit::AccessibleState() const {
    long state = TCustomControl::AccessibleState();
    return FProperties.EchoMode == TEditEchoMode::eemPassword ? state | STATE_SYSTEM_PROTECTED : state;
}

std::wstring TTextEdit::AccessibleValue() const {
    return FProperties.EchoMode == TEditEchoMode::eemPassword ? std::wstring() : AnsiToWide(Text());
}
