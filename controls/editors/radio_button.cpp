#include "controls/editors/radio_button.h"

#include "controls/editors/radio_group.h"

TCustomRadioGroupButton::TCustomRadioGroupButton(TRadioGroup* group, int index, std::wstring caption)
    : TCustomControl(group), FGroup(group), FIndex(index), FCaption(std::move(caption)),
      FLookAndFeel(std::make_unique<TLookAndFeel>(&group->Style().LookAndFeel())),
      FTracker([this] { SetHot(false); }) {
    FLookAndFeel->OnChanged = [this](TLookAndFeelValues) { UpdateView(); };
    Font() = group->Font();
    SetParent(group);
}

TCustomRadioGroupButton::~TCustomRadioGroupButton() { FLookAndFeel->OnChanged = nullptr; }

void TCustomRadioGroupButton::SetCaption(std::wstring caption) {
    if (caption == FCaption) return;
    FCaption = std::move(caption);
    Invalidate();
}

void TCustomRadioGroupButton::SetChecked(bool checked) {
    SetTabStop(checked && FGroup->GroupTabStop());
    if (checked == FChecked) return;
    FChecked = checked;
    UpdateView();
}

void TCustomRadioGroupButton::SetTransparent(bool transparent) {
    if (transparent == FTransparent) return;
    FTransparent = transparent;
    UpdateView();
}

void TCustomRadioGroupButton::SetWordWrap(bool wordWrap) {
    if (wordWrap == FWordWrap) return;
    FWordWrap = wordWrap;
    UpdateView();
}

void TCustomRadioGroupButton::SetColors(TColor color, TColor textColor) {
    if (color == FColor && textColor == FTextColor) return;
    FColor = color;
    FTextColor = textColor;
    UpdateView();
}

// While the button holds the capture: pressed inside, hot outside. Otherwise hot under the
// pointer with no mouse button down.
THoverState TCustomRadioGroupButton::HoverState() const {
    if (!Enabled()) return THoverState::hsDisabled;
    HWND self = HandleAllocated() ? const_cast<TCustomRadioGroupButton*>(this)->Handle() : nullptr;
    if (self && GetCapture() == self)
        return THotTracker::PointerInside(self) ? THoverState::hsPressed : THoverState::hsHot;
    return FHot ? THoverState::hsHot : THoverState::hsNormal;
}

void TCustomRadioGroupButton::UpdateView() {
    const TLookAndFeelPainter& painter = FLookAndFeel->PainterFor({TThemedObjectType::totButton});
    TRadioButtonViewInfo view = LayoutRadioButton(painter, TRect{0, 0, Width(), Height()}, FWordWrap);
    view.Hover = HoverState();
    view.Checked = FChecked;
    view.Focused = Focused();
    view.Transparent = FTransparent;
    view.Color = FColor;
    view.TextColor = FTextColor;
    if (view == FView) return;
    FView = view;
    Invalidate();
}

bool TCustomRadioGroupButton::WantsKey(UINT key) const {
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_SPACE;
}

void TCustomRadioGroupButton::PointerMoved() {
    bool buttonsDown = GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0 || GetKeyState(VK_MBUTTON) < 0 ||
                       GetKeyState(VK_SHIFT) < 0;
    if (GetCapture() == Handle()) {
        UpdateView();
        return;
    }
    if (buttonsDown) return;
    SetHot(true);
    FTracker.Start(Handle());
}

void TCustomRadioGroupButton::SetHot(bool hot) {
    if (hot == FHot) return;
    FHot = hot;
    UpdateView();
}

LRESULT TCustomRadioGroupButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_LEFT) FGroup->MoveFocus(FIndex, -1);
        else if (wParam == VK_DOWN || wParam == VK_RIGHT) FGroup->MoveFocus(FIndex, 1);
        else if (wParam == VK_SPACE) FGroup->ButtonClicked(FIndex);
        return 0;
    case WM_SETFOCUS:
        TCustomControl::WndProc(message, wParam, lParam);
        FGroup->ButtonFocused(FIndex);
        UpdateView();
        return 0;
    case WM_KILLFOCUS:
        TCustomControl::WndProc(message, wParam, lParam);
        UpdateView();
        return 0;
    case WM_MOUSEMOVE:
        PointerMoved();
        return 0;
    case WM_TIMER:
        if (FTracker.HandleTimer(wParam)) return 0;
        return TCustomControl::WndProc(message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;  // everything is painted in one pass
    default:
        return TCustomControl::WndProc(message, wParam, lParam);
    }
}

void TCustomRadioGroupButton::MouseDown(int, int) {
    SetFocus();
    SetCapture(Handle());
    UpdateView();
}

void TCustomRadioGroupButton::MouseUp(int x, int y) {
    bool captured = GetCapture() == Handle();
    if (captured) ReleaseCapture();
    UpdateView();
    if (ClientRect().Contains(x, y)) FGroup->ButtonClicked(FIndex);
}

void TCustomRadioGroupButton::Paint(TCanvas& canvas) {
    UpdateView();
    PaintRadioButton(canvas, FView, FCaption, [this](HDC dc) { FGroup->PaintImageUnder(*this, dc); });
}

void TCustomRadioGroupButton::BoundsChanged() {
    TCustomControl::BoundsChanged();
    UpdateView();
}

void TCustomRadioGroupButton::EnabledChanged() {
    TCustomControl::EnabledChanged();
    if (!Enabled()) {
        FHot = false;
        FTracker.Stop();
    }
    UpdateView();
}
