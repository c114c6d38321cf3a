#include "controls/editors/text_edit.h"

#include "toolkit/form.h"
#include "toolkit/strings.h"

TTextEdit::TTextEdit(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    Font().SetColor(clWindowText);
}

TTextEdit::~TTextEdit() {
    if (FBackground) DeleteObject(FBackground);
}

// The EDIT asks for its background at every paint: one brush per colour, kept.
HBRUSH TTextEdit::BackgroundBrush(COLORREF color) {
    if (FBackground && FBackgroundColor == color) return FBackground;
    if (FBackground) DeleteObject(FBackground);
    FBackground = CreateSolidBrush(color);
    FBackgroundColor = color;
    return FBackground;
}

std::string TTextEdit::Text() const {
    if (!FEdit) return FText;
    int length = GetWindowTextLengthW(FEdit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(FEdit, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return WideToAnsi(text);
}

void TTextEdit::SetText(const std::string& text) {
    FText = text;
    if (FEdit) SetWindowTextW(FEdit, AnsiToWide(text).c_str());
}

// The EDIT sits inside a one-pixel border, its line centred vertically.
RECT TTextEdit::EditRect() const {
    TCanvas measure;
    measure.Font() = Font();
    int lineHeight = measure.TextExtent(L"Wg").cy;
    int top = (Height() - lineHeight) / 2;
    return RECT{3, top, Width() - 3, top + lineHeight};
}

void TTextEdit::CreateWnd() {
    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_LEFT;
    RECT r = EditRect();
    FEdit = CreateWindowExW(0, L"EDIT", AnsiToWide(FText).c_str(), style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(FEdit, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    SubclassChild(FEdit);
    ApplyEchoMode();
    EnableWindow(FEdit, Enabled());
    TCustomControl::CreateWnd();
}

void TTextEdit::ApplyEchoMode() {
    if (!FEdit) return;
    WPARAM echo = FEchoMode == TEchoMode::eemPassword ? FPasswordChar : 0;
    SendMessageW(FEdit, EM_SETPASSWORDCHAR, echo, 0);
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

LRESULT TTextEdit::ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR: {
        std::string typed = WideToAnsi(std::wstring(1, static_cast<wchar_t>(wParam)));
        if (typed.size() == 1) {
            char key = typed[0];
            KeyPress(key);
            if (key == 0) return 0;
        }
        return CallChildDefault(child, message, wParam, lParam);
    }
    case WM_LBUTTONDOWN: {
        // A click places the caret; focus arriving any other way selects the whole text.
        FClickFocus = true;
        LRESULT result = CallChildDefault(child, message, wParam, lParam);
        FClickFocus = false;
        return result;
    }
    case WM_SETFOCUS: {
        LRESULT result = CallChildDefault(child, message, wParam, lParam);
        if (!FClickFocus) SendMessageW(child, EM_SETSEL, 0, -1);
        FocusEnter();
        Invalidate();
        return result;
    }
    case WM_KILLFOCUS:
        Invalidate();
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
    case WM_CTLCOLORSTATIC: {
        COLORREF face = ColorToRGB(Enabled() ? clWindow : clBtnFace);
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
        SetBkColor(dc, face);
        return reinterpret_cast<LRESULT>(BackgroundBrush(face));
    }
    case WM_LBUTTONDOWN:
        SetFocus();
        return 0;
    default:
        return TCustomControl::WndProc(message, wParam, lParam);
    }
}

void TTextEdit::Paint(TCanvas& canvas) {
    bool focused = Focused();
    canvas.FillRect(ClientRect(), Enabled() ? clWindow : clBtnFace);
    TColor border = focused ? clHighlight : clBtnShadow;
    TRect r = ClientRect();
    canvas.Line(r.Left, r.Top, r.Right - 1, r.Top, border);
    canvas.Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, border);
    canvas.Line(r.Right - 1, r.Bottom - 1, r.Left, r.Bottom - 1, border);
    canvas.Line(r.Left, r.Bottom - 1, r.Left, r.Top, border);
}

void TTextEdit::BoundsChanged() {
    TCustomControl::BoundsChanged();
    if (!FEdit) return;
    RECT r = EditRect();
    MoveWindow(FEdit, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void TTextEdit::EnabledChanged() {
    if (FEdit) EnableWindow(FEdit, Enabled());
    TCustomControl::EnabledChanged();
}

bool TTextEdit::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "Text") SetText(Utf8ToAnsi(LayoutString(p)));
    else if (n == "Properties.EchoMode") {
        FEchoMode = LayoutIdentifier(p) == "eemPassword" ? TEchoMode::eemPassword : TEchoMode::eemNormal;
        ApplyEchoMode();
    } else if (n == "Properties.PasswordChar") {
        std::wstring echo = Utf8ToWide(LayoutString(p));
        if (echo.size() != 1) LayoutFail(p, "one character expected");
        FPasswordChar = echo[0];
        ApplyEchoMode();
    } else if (n.rfind("Style.Font.", 0) == 0) {
        TLayoutProperty font = p;
        font.Name = n.substr(6);
        return TCustomControl::SetProperty(font, context);
    } else if (n == "OnKeyPress") OnKeyPress = context.KeyPressHandler(LayoutIdentifier(p));
    // The editor is drawn ultra-flat with its line centred at a fixed height; other looks are refused.
    else if (n == "AutoSize" || n.ends_with(".LookAndFeel.NativeStyle")) {
        if (LayoutBoolean(p)) LayoutFail(p, "only False is supported");
    } else if (n == "Properties.Alignment.Vert") {
        if (LayoutIdentifier(p) != "taVCenter") LayoutFail(p, "only taVCenter is supported");
    } else return TCustomControl::SetProperty(p, context);
    return true;
}

long TTextEdit::AccessibleState() const {
    long state = TCustomControl::AccessibleState();
    return FEchoMode == TEchoMode::eemPassword ? state | STATE_SYSTEM_PROTECTED : state;
}

std::wstring TTextEdit::AccessibleValue() const {
    return FEchoMode == TEchoMode::eemPassword ? std::wstring() : AnsiToWide(Text());
}
