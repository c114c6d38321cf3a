#include "toolkit/accessible_object.h"

#include <string>

#include "toolkit/win_control.h"

namespace {

// An empty text is "no such property": S_FALSE with a null string, as oleacc's own objects do.
HRESULT ReturnText(const std::wstring& text, BSTR* result) {
    if (!result) return E_INVALIDARG;
    *result = nullptr;
    if (text.empty()) return S_FALSE;
    *result = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *result ? S_OK : E_OUTOFMEMORY;
}

void SetLong(VARIANT* result, long value) {
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = value;
}

TRect ScreenBounds(TControl& element) {
    if (auto windowed = dynamic_cast<TWinControl*>(&element); windowed && windowed->HandleAllocated()) {
        RECT r;
        GetWindowRect(windowed->Handle(), &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    POINT origin{element.Left(), element.Top()};
    if (element.Parent() && element.Parent()->HandleAllocated()) ClientToScreen(element.Parent()->Handle(), &origin);
    return {origin.x, origin.y, origin.x + element.Width(), origin.y + element.Height()};
}

}  // namespace

TAccessibleObject::TAccessibleObject(TWinControl& control) : FControl(&control) {}

HRESULT TAccessibleObject::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIidAccessible) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG TAccessibleObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&FReferences)); }

ULONG TAccessibleObject::Release() {
    LONG references = InterlockedDecrement(&FReferences);
    if (references == 0) delete this;
    return static_cast<ULONG>(references);
}

HRESULT TAccessibleObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_INVALIDARG;
    *count = 0;
    return S_OK;
}

TControl* TAccessibleObject::Element(const VARIANT& child) const {
    if (!FControl || child.vt != VT_I4) return nullptr;
    if (child.lVal == CHILDID_SELF) return FControl;
    const auto& children = FControl->Controls();
    if (child.lVal < 1 || static_cast<std::size_t>(child.lVal) > children.size()) return nullptr;
    return children[static_cast<std::size_t>(child.lVal) - 1];
}

template <class Body>
HRESULT TAccessibleObject::WithElement(const VARIANT& child, Body&& body) const {
    if (!FControl) return CO_E_OBJNOTCONNECTED;
    TControl* element = Element(child);
    if (!element) return E_INVALIDARG;
    return body(*element);
}

void TAccessibleObject::SetChild(VARIANT* result, TControl* element, long id) {
    VariantInit(result);
    if (auto windowed = dynamic_cast<TWinControl*>(element)) {
        result->vt = VT_DISPATCH;
        result->pdispVal = &windowed->Accessible();
        result->pdispVal->AddRef();
    } else {
        SetLong(result, id);
    }
}

HRESULT TAccessibleObject::get_accParent(IDispatch** parent) {
    if (!parent) return E_INVALIDARG;
    *parent = nullptr;
    if (!FControl) return CO_E_OBJNOTCONNECTED;
    // The system's object for the window frame stands between the client and the parent.
    return AccessibleObjectFromWindow(FControl->Handle(), static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
}

HRESULT TAccessibleObject::get_accChildCount(long* count) {
    if (!count) return E_INVALIDARG;
    if (!FControl) return CO_E_OBJNOTCONNECTED;
    *count = static_cast<long>(FControl->Controls().size());
    return S_OK;
}

HRESULT TAccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) return E_INVALIDARG;
    *object = nullptr;
    return WithElement(child, [&](TControl& element) -> HRESULT {
        if (&element == FControl) return E_INVALIDARG;
        auto windowed = dynamic_cast<TWinControl*>(&element);
        if (!windowed) return S_FALSE;  // a simple element: asked through this object
        *object = &windowed->Accessible();
        (*object)->AddRef();
        return S_OK;
    });
}

HRESULT TAccessibleObject::get_accName(VARIANT child, BSTR* name) {
    return WithElement(child, [&](TControl& element) { return ReturnText(element.AccessibleName(), name); });
}

HRESULT TAccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    return WithElement(child, [&](TControl& element) { return ReturnText(element.AccessibleValue(), value); });
}

HRESULT TAccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    return WithElement(child, [&](TControl&) { return ReturnText({}, description); });
}

HRESULT TAccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    return WithElement(child, [&](TControl&) { return ReturnText({}, help); });
}

HRESULT TAccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return WithElement(child, [&](TControl&) { return ReturnText({}, shortcut); });
}

HRESULT TAccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return WithElement(child, [&](TControl&) { return ReturnText({}, action); });
}

HRESULT TAccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (!topic) return E_INVALIDARG;
    *topic = -1;
    return WithElement(child, [&](TControl&) { return ReturnText({}, file); });
}

HRESULT TAccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_INVALIDARG;
    return WithElement(child, [&](TControl& element) {
        SetLong(role, element.AccessibleRole());
        return S_OK;
    });
}

HRESULT TAccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_INVALIDARG;
    return WithElement(child, [&](TControl& element) {
        SetLong(state, element.AccessibleState());
        return S_OK;
    });
}

// The focused child when the focus lies in one, else this control when it has the focus.
HRESULT TAccessibleObject::get_accFocus(VARIANT* focus) {
    if (!focus) return E_INVALIDARG;
    VariantInit(focus);
    if (!FControl) return CO_E_OBJNOTCONNECTED;
    if (TWinControl* child = FControl->FocusedChild()) {
        SetChild(focus, child, 0);
        return S_OK;
    }
    if (!FControl->Focused()) return S_FALSE;
    SetLong(focus, CHILDID_SELF);
    return S_OK;
}

HRESULT TAccessibleObject::get_accSelection(VARIANT* selection) {
    if (!selection) return E_INVALIDARG;
    VariantInit(selection);
    return FControl ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT TAccessibleObject::accSelect(long flags, VARIANT child) {
    return WithElement(child, [&](TControl& element) -> HRESULT {
        auto windowed = dynamic_cast<TWinControl*>(&element);
        if (flags != SELFLAG_TAKEFOCUS || !windowed || !windowed->CanFocus()) return DISP_E_MEMBERNOTFOUND;
        windowed->SetFocus();
        return S_OK;
    });
}

HRESULT TAccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_INVALIDARG;
    return WithElement(child, [&](TControl& element) {
        TRect r = ScreenBounds(element);
        *left = r.Left;
        *top = r.Top;
        *width = r.Width();
        *height = r.Height();
        return S_OK;
    });
}

HRESULT TAccessibleObject::accNavigate(long, VARIANT start, VARIANT* end) {
    if (!end) return E_INVALIDARG;
    VariantInit(end);
    return WithElement(start, [](TControl&) { return DISP_E_MEMBERNOTFOUND; });
}

// The topmost visible child under the screen point, else this control; nothing outside it.
HRESULT TAccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    if (!child) return E_INVALIDARG;
    VariantInit(child);
    if (!FControl) return CO_E_OBJNOTCONNECTED;
    if (!ScreenBounds(*FControl).Contains(x, y)) return S_FALSE;
    const auto& children = FControl->Controls();
    for (std::size_t i = children.size(); i-- > 0;) {
        if (children[i]->Visible() && ScreenBounds(*children[i]).Contains(x, y)) {
            SetChild(child, children[i], static_cast<long>(i) + 1);
            return S_OK;
        }
    }
    SetLong(child, CHILDID_SELF);
    return S_OK;
}

HRESULT TAccessibleObject::accDoDefaultAction(VARIANT child) {
    return WithElement(child, [](TControl&) { return DISP_E_MEMBERNOTFOUND; });
}
