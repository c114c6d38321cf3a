#include "toolkit/form.h"

#include <algorithm>
#include <functional>

#include "toolkit/application.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/strings.h"
#include "toolkit/theme_services.h"

namespace {
constexpr DWORD kDialogFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME;
constexpr DWORD kDialogFrameEx = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, Windows 8.1 and later

// Every control below parent, depth first, parents before their children.
void ForEachControl(TWinControl& parent, const std::function<void(TControl&)>& action) {
    for (TControl* child : parent.Controls()) {
        action(*child);
        if (auto windowed = dynamic_cast<TWinControl*>(child)) ForEachControl(*windowed, action);
    }
}

}  // namespace

int ScreenPixelsPerInch() {
    TWindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

TForm::TForm(TComponent* owner) : TWinControl(owner), FPixelsPerInch(ScreenPixelsPerInch()) {
    SetVisible(false);
    SetColor(clBtnFace);
    TThemeServices& themes = TThemeServices::Instance();
    FThemeListener = themes.AddThemeChangedListener([this] { RepaintAll(); });
    FColorListener = themes.AddSysColorChangedListener([this] { RepaintAll(); });
}

TForm::~TForm() {
    TThemeServices::Instance().RemoveListener(FThemeListener);
    TThemeServices::Instance().RemoveListener(FColorListener);
    // Children first, while the form's window still exists for them.
    MarkDestroying();
    DestroyComponents();
    if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
}

// System colours and themes are read at paint time, so a full repaint shows a change.
void TForm::RepaintAll() {
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::SetCaption(std::wstring caption) {
    FCaption = std::move(caption);
    if (HandleAllocated()) SetWindowTextW(Handle(), FCaption.c_str());
}

void TForm::SetClientSize(int width, int height) {
    FClientWidth = width;
    FClientHeight = height;
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, kDialogFrame, FALSE, kDialogFrameEx);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
    if (HandleAllocated()) MoveWindow(Handle(), Left(), Top(), Width(), Height(), TRUE);
}

void TForm::ChangeScale(int dpi, const RECT& bounds) {
    if (dpi != FPixelsPerInch) {
        FPixelsPerInch = dpi;
        FScaler.Apply(dpi);
        ScaleChanged();
        ForEachControl(*this, [](TControl& control) { control.ScaleChanged(); });
    }
    PlaceForClientSize(bounds);
    RepaintAll();
}

// The window takes bounds; should the frame there differ from the one the bounds were made for
// (a system that scales frames differently), the size follows so that the client area is the
// scaled one and the layout fits it exactly.
void TForm::PlaceForClientSize(const RECT& bounds) {
    HWND window = Handle();
    SetWindowPos(window, nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(window, &client);
    int width = bounds.right - bounds.left + FClientWidth - client.right;
    int height = bounds.bottom - bounds.top + FClientHeight - client.bottom;
    if (width != bounds.right - bounds.left || height != bounds.bottom - bounds.top)
        SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    SetBounds(bounds.left, bounds.top, width, height);
}

void TForm::CreateParams(TCreateParams& params) {
    params.Style = kDialogFrame;
    params.ExStyle = kDialogFrameEx;
    params.Caption = FCaption;
}

void TForm::CentreOnDesktop() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int left = work.left + (work.right - work.left - Width()) / 2;
    int top = work.top + (work.bottom - work.top - Height()) / 2;
    SetBounds(left, top, Width(), Height());
    if (HandleAllocated()) MoveWindow(Handle(), left, top, Width(), Height(), FALSE);
}

// Centred before its window is made, so the window is made in its place.
void TForm::ShowForm() {
    if (!FShown) {
        CentreOnDesktop();
        FShown = true;
    }
    HWND window = Handle();
    SetVisible(true);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    ActivateFocus();
    UpdateWindow(window);
}

void TForm::Close() {
    if (Application && Application->MainForm() == this) Application->Terminate();
    SetVisible(false);
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TForm::FocusControl(TWinControl* control) {
    if (!control || !control->CanFocus()) return;
    ::SetFocus(control->FocusWindow());
}

void TForm::SetFocusedControl(TWinControl* control) {
    if (control == this) return;
    FActiveControl = control;
    if (control) NotifyWinEvent(EVENT_OBJECT_FOCUS, control->FocusWindow(), OBJID_CLIENT, CHILDID_SELF);
    std::function<void(TWinControl*)> broadcast = [&](TWinControl* parent) {
        for (TControl* child : parent->Controls()) {
            child->FocusChanged(control);
            if (auto windowed = dynamic_cast<TWinControl*>(child)) broadcast(windowed);
        }
    };
    broadcast(this);
}

void TForm::FocusEnter() { ActivateFocus(); }

// The focus returns to the active control, or goes to the first one that can take it.
void TForm::ActivateFocus() {
    if (FActiveControl && FActiveControl->CanFocus())
        FocusControl(FActiveControl);
    else
        SelectNext(nullptr, true, true);
}

std::vector<TWinControl*> TForm::TabOrderList() const {
    std::vector<TWinControl*> list;
    std::function<void(const TWinControl*)> collect = [&](const TWinControl* parent) {
        std::vector<TWinControl*> children;
        for (TControl* child : parent->Controls())
            if (auto windowed = dynamic_cast<TWinControl*>(child)) children.push_back(windowed);
        std::stable_sort(children.begin(), children.end(),
                         [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
        for (TWinControl* child : children) {
            list.push_back(child);
            collect(child);
        }
    };
    collect(this);
    return list;
}

void TForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    std::vector<TWinControl*> list = TabOrderList();
    if (list.empty()) return;
    if (!forward) std::reverse(list.begin(), list.end());
    auto start = std::find(list.begin(), list.end(), current);
    std::size_t first = start == list.end() ? 0 : static_cast<std::size_t>(start - list.begin()) + 1;
    for (std::size_t step = 0; step < list.size(); ++step) {
        TWinControl* candidate = list[(first + step) % list.size()];
        if (candidate == current) break;
        if (candidate->CanFocus() && (candidate->TabStop() || !checkTabStop)) {
            FocusControl(candidate);
            return;
        }
    }
}

namespace {
// Offers something to every control below parent, depth first, until one takes it.
bool OfferToControls(TWinControl& parent, const std::function<bool(TControl&)>& take) {
    for (TControl* child : parent.Controls()) {
        if (take(*child)) return true;
        if (auto windowed = dynamic_cast<TWinControl*>(child); windowed && OfferToControls(*windowed, take))
            return true;
    }
    return false;
}
}  // namespace

bool TForm::DialogKey(UINT key) {
    if (key == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0) return false;
        SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
        return true;
    }
    return OfferToControls(*this, [key](TControl& control) { return control.DialogKey(key); });
}

bool TForm::DialogChar(wchar_t character) {
    return OfferToControls(*this, [character](TControl& control) { return control.DialogChar(character); });
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) ActivateFocus();
        return 0;
    case kDpiChanged:
        ChangeScale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        return TWinControl::WndProc(message, wParam, lParam);
    }
}

bool TForm::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    const std::string& n = p.Name;
    if (n == "Caption") SetCaption(Utf8ToWide(LayoutString(p)));
    else if (n == "ClientWidth") SetClientSize(static_cast<int>(LayoutInteger(p)), FClientHeight);
    else if (n == "ClientHeight") SetClientSize(FClientWidth, static_cast<int>(LayoutInteger(p)));
    else if (n == "OnCreate") OnCreate = context.NotifyHandler(LayoutIdentifier(p));
    else return TWinControl::SetProperty(p, context);
    return true;
}
