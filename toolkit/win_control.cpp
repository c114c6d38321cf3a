#include "toolkit/win_control.h"

#include <algorithm>

#include "toolkit/accessible_object.h"
#include "toolkit/application.h"
#include "toolkit/exceptions.h"
#include "toolkit/form.h"
#include "toolkit/gdi_objects.h"

namespace {

constexpr wchar_t kWindowClass[] = L"DbsetupControl";
// A window of the class keeps its control in its extra bytes, and a subclassed native child in
// its user data: reading either stays in the process, where a window property is a request to
// the window server on every message.
constexpr int kControlSlot = 0;

void RegisterWindowClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    registered = true;
}

// Exceptions must not cross the window system's frames: report them here, the loop goes on.
template <class F>
LRESULT Guarded(F&& body) {
    try {
        return body();
    } catch (const std::exception& e) {
        Application->HandleException(e);
        return 0;
    }
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    MarkDestroying();
    DestroyComponents();
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
    DestroyWnd();
    if (FAccessible) {
        FAccessible->Detach();
        FAccessible->Release();
    }
}

TAccessibleObject& TWinControl::Accessible() {
    if (!FAccessible) FAccessible = new TAccessibleObject(*this);
    return *FAccessible;
}

long TWinControl::AccessibleState() const {
    long state = TControl::AccessibleState();
    if (CanFocus()) state |= STATE_SYSTEM_FOCUSABLE;
    if (Focused() && !FocusedChild()) state |= STATE_SYSTEM_FOCUSED;  // not when a child control has it
    return state;
}

TWinControl* TWinControl::FocusedChild() const {
    for (TControl* control : FControls)
        if (auto windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->Focused()) return windowed;
    return nullptr;
}

void TWinControl::NotifyAccessibleEvent(DWORD event) {
    if (FHandle) NotifyWinEvent(event, FHandle, OBJID_CLIENT, CHILDID_SELF);
}

// Only the client object is the control's own; the frame and the rest are the system's.
LRESULT TWinControl::AccessibleObjectResult(WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
    return LresultFromObject(kIidAccessible, wParam, &Accessible());
}

HWND TWinControl::Handle() {
    if (!FHandle) CreateHandle();
    return FHandle;
}

// The window procedure tells which kind of window it is, and so where its control is kept.
TWinControl* TWinControl::ControlOf(HWND window) {
    auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (procedure == &TWinControl::WindowProcedure)
        return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, kControlSlot));
    if (procedure == &TWinControl::ChildProcedure)
        return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return nullptr;
}

TWinControl* TWinControl::FromHandle(HWND window) {
    for (; window; window = GetParent(window))
        if (TWinControl* control = ControlOf(window)) return control;
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    if (auto windowed = dynamic_cast<TWinControl*>(control)) windowed->MakeWindowWhenDue();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    control->Invalidate();
    if (FMouseControl == control) FMouseControl = nullptr;
    std::erase(FControls, control);
}

void TWinControl::CreateParams(TCreateParams& params) {
    if (!Visible()) params.Style &= ~WS_VISIBLE;
}

void TWinControl::CreateHandle() {
    // A top-level form is owned by the application's window, which carries the task-bar button.
    HWND parentWindow = Parent() ? Parent()->Handle() : (Application ? Application->Handle() : nullptr);
    RegisterWindowClass(&TWinControl::WindowProcedure);
    TCreateParams params;
    CreateParams(params);
    if (Visible()) params.Style |= WS_VISIBLE;
    if (!Enabled()) params.Style |= WS_DISABLED;
    CreateWindowExW(params.ExStyle, kWindowClass, params.Caption.c_str(), params.Style, Left(), Top(), Width(),
                    Height(), parentWindow, nullptr, GetModuleHandleW(nullptr), this);
    if (!FHandle) throw EOutOfResources("Error creating window");
    FAnnouncedState = AccessibleState();
    TakeStackingPlace();
    CreateWnd();
}

void TWinControl::CreateWnd() {
    for (TControl* control : FControls)
        if (auto windowed = dynamic_cast<TWinControl*>(control)) windowed->MakeWindowWhenDue();
}

// A child's window is made once the child is visible and its parent has one; a hidden child gets
// it when first shown (or asked for it). The dialog's port editor is seldom shown, and its windows
// would only delay the first paint.
void TWinControl::MakeWindowWhenDue() {
    if (!FHandle && Visible() && Parent() && Parent()->HandleAllocated()) Handle();
}

// Sibling windows stack in the order of their controls, the first on top, as they do when made
// in that order. A window made after a later sibling's (a control shown for the first time) is
// moved to the place it would have had.
void TWinControl::TakeStackingPlace() {
    if (!Parent()) return;
    const std::vector<TControl*>& siblings = Parent()->FControls;
    auto self = std::find(siblings.begin(), siblings.end(), this);
    auto windowed = [](TControl* control) {
        auto sibling = dynamic_cast<TWinControl*>(control);
        return sibling && sibling->HandleAllocated() ? sibling : nullptr;
    };
    if (self == siblings.end() || std::none_of(self + 1, siblings.end(), windowed)) return;
    HWND above = HWND_TOP;
    for (auto earlier = siblings.begin(); earlier != self; ++earlier)
        if (TWinControl* sibling = windowed(*earlier)) above = sibling->FHandle;
    SetWindowPos(FHandle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::DestroyWnd() {
    if (FHandle) DestroyWindow(FHandle);
}

LRESULT CALLBACK TWinControl::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        control->FHandle = window;
        SetWindowLongPtrW(window, kControlSlot, reinterpret_cast<LONG_PTR>(control));
    }
    auto control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, kControlSlot));
    if (!control) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, kControlSlot, 0);
        control->FHandle = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return control->WndProc(message, wParam, lParam); });
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(FHandle, message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 0;  // left to the paint, which erases into its buffer (fErase)
    case WM_PAINT:
        HandlePaint();
        return 0;
    case WM_PRINTCLIENT: {
        // Only the windowless children the clipping leaves visible are painted: a button
        // borrowing its corners' image asks for a few pixels, not the whole form.
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT area = ClientRect().ToRECT();
        if (GetClipBox(dc, &area) == ERROR) area = ClientRect().ToRECT();
        EraseBackground(dc);
        PaintWindow(dc);
        PaintWindowlessChildren(dc, area);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONUP:
        MouseUp(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_SETFOCUS:
        FocusEnter();
        return 0;
    case WM_KILLFOCUS:
        FocusExit();
        return 0;
    case WM_GETOBJECT:
        if (LRESULT object = AccessibleObjectResult(wParam, lParam)) return object;
        return DefaultHandler(message, wParam, lParam);
    default:
        return DefaultHandler(message, wParam, lParam);
    }
}

// One buffered copy per paint, so no intermediate state (an erased background, a face before its
// ring) ever reaches the screen: the buffer starts from what the window shows now (pixels a paint
// leaves alone, such as a button's see-through corners, keep their image), takes the erase when
// one is due, the control's own painting and its windowless children, and goes to the window in
// one copy, clipped to the part that needed painting.
void TWinControl::HandlePaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(FHandle, &ps);
    RECT client;
    GetClientRect(FHandle, &client);
    if (!IsRectEmpty(&ps.rcPaint) && client.right > 0 && client.bottom > 0) {
        TBitmapObject buffer = NewDibSection(client.right, client.bottom);
        TMemoryDC memory(dc);
        HGDIOBJ previous = SelectObject(memory.Get(), buffer.Get());
        BitBlt(memory.Get(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        if (ps.fErase) EraseBackground(memory.Get());
        PaintWindow(memory.Get());
        PaintWindowlessChildren(memory.Get(), ps.rcPaint);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
        SelectObject(memory.Get(), previous);
    }
    EndPaint(FHandle, &ps);
}

void TWinControl::PaintBackground(HDC dc) {
    RECT r = ClientRect().ToRECT();
    TBrushObject brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &r, brush.Get());
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintWindowlessChildren(HDC dc, const RECT& area, const TControl* upTo) {
    TRect paintArea{area.left, area.top, area.right, area.bottom};
    for (TControl* control : FControls) {
        if (control == upTo) break;
        if (!control->Windowless() || !control->Visible() || !control->BoundsRect().Intersects(paintArea)) continue;
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, control->Left(), control->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
        control->PaintControl(dc);
        RestoreDC(dc, saved);
    }
}

TControl* TWinControl::WindowlessAt(int x, int y) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if ((*it)->Windowless() && (*it)->Visible() && (*it)->Enabled() && (*it)->BoundsRect().Contains(x, y))
            return *it;
    return nullptr;
}

void TWinControl::MouseDown(int x, int y) {
    FMouseControl = WindowlessAt(x, y);
    FMousePressed = true;
    SetCapture(FHandle);
}

void TWinControl::MouseUp(int x, int y) {
    if (GetCapture() == FHandle) ReleaseCapture();
    if (!FMousePressed) return;
    FMousePressed = false;
    TControl* pressed = FMouseControl;
    FMouseControl = nullptr;
    if (pressed) {
        if (pressed->BoundsRect().Contains(x, y)) pressed->Click();
    } else if (ClientRect().Contains(x, y)) {
        Click();
    }
}

void TWinControl::FocusEnter() {
    if (TForm* form = ParentForm()) form->SetFocusedControl(this);
}

void TWinControl::SetFocus() {
    if (TForm* form = ParentForm()) form->FocusControl(this);
}

bool TWinControl::Focused() const {
    HWND focus = GetFocus();
    return focus && FHandle && (focus == FHandle || IsChild(FHandle, focus));
}

// Every change of the look passes here, so here screen readers learn of state changes (an item
// checked, a control disabled) without each setter having to tell them.
void TWinControl::Invalidate() {
    if (!FHandle) return;
    InvalidateRect(FHandle, nullptr, TRUE);
    long state = AccessibleState();
    if (state != FAnnouncedState) {
        FAnnouncedState = state;
        NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE);
    }
}

void TWinControl::Update() {
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::BoundsChanged() {
    if (FHandle && Parent()) MoveWindow(FHandle, Left(), Top(), Width(), Height(), TRUE);
    for (TControl* control : FControls) control->SetAlign(control->Align());
}

void TWinControl::VisibleChanged() {
    if (FHandle)
        ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
    else
        MakeWindowWhenDue();
}

void TWinControl::EnabledChanged() {
    if (FHandle) EnableWindow(FHandle, Enabled());
    Invalidate();
}

void TWinControl::ColorChanged() {
    Invalidate();
    for (TControl* control : FControls) control->ParentColorChanged();
}

bool TWinControl::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    if (p.Name == "TabOrder") FTabOrder = static_cast<int>(LayoutInteger(p));
    else if (p.Name == "TabStop") FTabStop = LayoutBoolean(p);
    else return TControl::SetProperty(p, context);
    return true;
}

void TWinControl::ScaleChanged() {
    for (const TNativeChild& child : FNativeChildren)
        SendMessageW(child.Window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    BoundsChanged();
    Invalidate();
}

void TWinControl::SubclassChild(HWND child) {
    FNativeChildren.push_back({child, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(child, GWLP_WNDPROC))});
    SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::ChildProcedure));
}

WNDPROC TWinControl::PreviousProcedure(HWND child) const {
    for (const TNativeChild& known : FNativeChildren)
        if (known.Window == child) return known.Previous;
    return nullptr;
}

LRESULT CALLBACK TWinControl::ChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    WNDPROC previous = control ? control->PreviousProcedure(window) : nullptr;
    if (!previous) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        std::erase_if(control->FNativeChildren, [&](const TNativeChild& known) { return known.Window == window; });
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    // The window that takes the focus for the control speaks for it (an editor's EDIT).
    if (message == WM_GETOBJECT && window == control->FocusWindow())
        if (LRESULT object = control->AccessibleObjectResult(wParam, lParam)) return object;
    return Guarded([&] { return control->ChildProc(window, message, wParam, lParam); });
}

LRESULT TWinControl::ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallChildDefault(child, message, wParam, lParam);
}

LRESULT TWinControl::CallChildDefault(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(PreviousProcedure(child), child, message, wParam, lParam);
}

void TCustomControl::PaintWindow(HDC dc) {
    TCanvasBinding binding(Canvas(), dc);
    Canvas().Font() = Font();
    Paint(Canvas());
}
