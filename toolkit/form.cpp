#include "toolkit/form.h"

#include <algorithm>
#include <functional>

#include "toolkit/application.h"
#include "toolkit/strings.h"
#include "toolkit/theme_services.h"

namespace {
constexpr DWORD kDialogFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME;
constexpr DWORD kDialogFrameEx = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
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
    MoveWindow(Handle(), left, top, Width(), Height(), FALSE);
}

void TForm::ShowForm() {
    HWND window = Handle();
    if (!FShown) {
        CentreOnDesktop();
        FShown = true;
    }
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
