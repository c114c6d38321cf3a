// What a screen reader learns from the dialog, asked in-process as a client would: WM_GETOBJECT,
// then ObjectFromLresult (Wine 8 cannot hand accessible objects to another process).
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/buttons/hot_bit_btn.h"
#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "tests/dialog/dialog_fixture.h"
#include "toolkit/accessible_object.h"
#include "toolkit/strings.h"

namespace {

struct TRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
using TAccessible = std::unique_ptr<IAccessible, TRelease>;

TAccessible ObjectOf(HWND window) {
    LRESULT result = SendMessageW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    if (result <= 0) return nullptr;
    IAccessible* object = nullptr;
    if (FAILED(ObjectFromLresult(static_cast<LRESULT>(result), kIidAccessible, 0, reinterpret_cast<void**>(&object))))
        return nullptr;
    return TAccessible(object);
}

VARIANT ChildId(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible& object, long id) {
    BSTR text = nullptr;
    if ((object.*get)(ChildId(id), &text) != S_OK || !text) return {};
    std::wstring result(text, SysStringLen(text));
    SysFreeString(text);
    return result;
}

long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible& object, long id) {
    VARIANT value;
    VariantInit(&value);
    if ((object.*get)(ChildId(id), &value) != S_OK || value.vt != VT_I4) return -1;
    return value.lVal;
}

// One control as a screen reader should see it. Item: a radio item of the group; Windowless:
// asked through the form's object as its child.
struct TExpected {
    const char* Component;
    int Item;
    long Role;
    const char8_t* Name;
    long StatesSet;
    long StatesClear;
};

constexpr long kFocus = STATE_SYSTEM_FOCUSED;
constexpr long kOff = STATE_SYSTEM_UNAVAILABLE;
constexpr long kHidden = STATE_SYSTEM_INVISIBLE;

// The first start: Windows authentication, so the user name and password are disabled; the
// server name editor has the focus; the port editor and the busy animation are hidden.
const TExpected kDialog[] = {
    {"BtnTest", -1, ROLE_SYSTEM_PUSHBUTTON, u8"测试", STATE_SYSTEM_FOCUSABLE, kOff | kFocus | kHidden},
    {"BtnSave", -1, ROLE_SYSTEM_PUSHBUTTON, u8"保存", STATE_SYSTEM_FOCUSABLE, kOff | kFocus},
    {"btnClose", -1, ROLE_SYSTEM_PUSHBUTTON, u8"关闭", STATE_SYSTEM_FOCUSABLE, kOff | kFocus},
    {"EditServerName", -1, ROLE_SYSTEM_TEXT, u8"服务器名", kFocus | STATE_SYSTEM_FOCUSABLE, kOff | STATE_SYSTEM_PROTECTED},
    {"EditDatabaseName", -1, ROLE_SYSTEM_TEXT, u8"数据库名", STATE_SYSTEM_FOCUSABLE, kFocus | kOff},
    {"EditUserName", -1, ROLE_SYSTEM_TEXT, u8"用户名", kOff, kFocus | STATE_SYSTEM_PROTECTED},
    {"EditPassword", -1, ROLE_SYSTEM_TEXT, u8"密码", kOff | STATE_SYSTEM_PROTECTED, kFocus},
    {"EditConnPort", -1, ROLE_SYSTEM_TEXT, u8"端口", kHidden, kFocus},
    {"RdgConnType", -1, ROLE_SYSTEM_GROUPING, u8"连接使用", 0, kOff | kHidden},
    {"RdgConnType", 0, ROLE_SYSTEM_RADIOBUTTON, u8"Windows 身份验证", STATE_SYSTEM_CHECKED, kOff},
    {"RdgConnType", 1, ROLE_SYSTEM_RADIOBUTTON, u8"SQL Server 身份验证", 0, STATE_SYSTEM_CHECKED | kOff},
    {"ImgLogo", -1, ROLE_SYSTEM_GRAPHIC, u8"", 0, kHidden | kOff},
    {"TmpGif", -1, ROLE_SYSTEM_ANIMATION, u8"", kHidden, 0},
    {"FrmCorvane", -1, ROLE_SYSTEM_CLIENT, u8"连接到SQL Server", 0, kFocus | kOff | kHidden},
    {"RdgConnType", -1, ROLE_SYSTEM_GROUPING, u8"连接使用", 0, kFocus},
    {"Label1", -1, ROLE_SYSTEM_STATICTEXT, u8"服务器名", 0, kHidden},
    {"Label4", -1, ROLE_SYSTEM_STATICTEXT, u8"密码", 0, kHidden},
};

class DialogAccessibility : public TDialogTest {
protected:
    // The object that answers for row and the child id to ask it with.
    std::pair<TAccessible, long> Answering(const TExpected& row) {
        auto control = FDialog->Name() == row.Component ? FDialog.get()
                                                        : dynamic_cast<TControl*>(FDialog->FindComponent(row.Component));
        if (!control) return {nullptr, 0};
        if (row.Item >= 0) control = FDialog->RdgConnType->Item(row.Item);
        if (auto windowed = dynamic_cast<TWinControl*>(control)) return {ObjectOf(windowed->Handle()), CHILDID_SELF};
        const auto& siblings = control->Parent()->Controls();
        long id = static_cast<long>(std::find(siblings.begin(), siblings.end(), control) - siblings.begin()) + 1;
        return {ObjectOf(control->Parent()->Handle()), id};
    }
};

TEST_F(DialogAccessibility, EveryControlHasItsRoleNameAndState) {
    OpenDialog();
    for (std::size_t row = 0; row < std::size(kDialog); ++row) {
        const TExpected& want = kDialog[row];
        auto [object, id] = Answering(want);
        ASSERT_TRUE(object) << "row " << row << ": " << want.Component << " answers no WM_GETOBJECT";
        EXPECT_EQ(Number(&IAccessible::get_accRole, *object, id), want.Role) << "row " << row;
        EXPECT_EQ(Text(&IAccessible::get_accName, *object, id), Utf8ToWide(want.Name)) << "row " << row;
        long state = Number(&IAccessible::get_accState, *object, id);
        EXPECT_EQ(state & want.StatesSet, want.StatesSet) << "row " << row << std::hex << ": state " << state;
        EXPECT_EQ(state & want.StatesClear, 0) << "row " << row << std::hex << ": state " << state;
    }
}

TEST_F(DialogAccessibility, TheEditWindowSpeaksForItsEditorWithItsTextButNeverThePassword) {
    OpenDialog();
    FDialog->EditServerName->SetText("srv1");
    FDialog->EditPassword->SetText("secret");
    TAccessible server = ObjectOf(FDialog->EditServerName->FocusWindow());
    ASSERT_TRUE(server);
    EXPECT_EQ(Text(&IAccessible::get_accName, *server, CHILDID_SELF), Utf8ToWide(u8"服务器名"));
    EXPECT_EQ(Text(&IAccessible::get_accValue, *server, CHILDID_SELF), L"srv1");
    TAccessible password = ObjectOf(FDialog->EditPassword->FocusWindow());
    ASSERT_TRUE(password);
    BSTR value = nullptr;
    EXPECT_EQ(password->get_accValue(ChildId(CHILDID_SELF), &value), S_FALSE);
    EXPECT_EQ(value, nullptr);
}

TEST_F(DialogAccessibility, TheFormReportsItsChildrenAndTheFocusedOne) {
    OpenDialog();
    TAccessible form = ObjectOf(FDialog->Handle());
    ASSERT_TRUE(form);
    long count = 0;
    EXPECT_EQ(form->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, static_cast<long>(FDialog->Controls().size()));
    VARIANT focus;
    VariantInit(&focus);
    ASSERT_EQ(form->get_accFocus(&focus), S_OK);
    ASSERT_EQ(focus.vt, VT_DISPATCH);
    IAccessible* focused = nullptr;
    ASSERT_EQ(focus.pdispVal->QueryInterface(kIidAccessible, reinterpret_cast<void**>(&focused)), S_OK);
    TAccessible focusedObject(focused);
    VariantClear(&focus);
    EXPECT_EQ(Text(&IAccessible::get_accName, *focusedObject, CHILDID_SELF), Utf8ToWide(u8"服务器名"));
    VARIANT bad = ChildId(count + 1);
    BSTR name = nullptr;
    EXPECT_EQ(form->get_accName(bad, &name), E_INVALIDARG);
}

// A screen reader may keep an object after the dialog is gone: it then answers that it is
// disconnected, and releasing it is safe.
TEST_F(DialogAccessibility, AnObjectOutlivingItsControlIsDisconnected) {
    OpenDialog();
    TAccessible object = ObjectOf(FDialog->BtnSave->Handle());
    ASSERT_TRUE(object);
    FDialog.reset();
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(ChildId(CHILDID_SELF), &name), CO_E_OBJNOTCONNECTED);
    long count = 0;
    EXPECT_EQ(object->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
}

// Events a screen reader listens to, caught with an out-of-context hook on this thread.
std::vector<std::pair<DWORD, HWND>> gEvents;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) gEvents.emplace_back(event, window);
}

bool Seen(DWORD event, HWND window) {
    return std::find(gEvents.begin(), gEvents.end(), std::make_pair(event, window)) != gEvents.end();
}

TEST_F(DialogAccessibility, FocusAndCheckedStateChangesAreAnnounced) {
    OpenDialog();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr, RecordEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    gEvents.clear();
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "EditDatabaseName");
    EXPECT_TRUE(Seen(EVENT_OBJECT_FOCUS, FDialog->EditDatabaseName->FocusWindow()));

    gEvents.clear();
    FDialog->RdgConnType->SetItemIndex(1);
    Pump();
    EXPECT_TRUE(Seen(EVENT_OBJECT_STATECHANGE, FDialog->RdgConnType->Item(1)->Handle()));
    EXPECT_TRUE(Seen(EVENT_OBJECT_STATECHANGE, FDialog->RdgConnType->Item(0)->Handle()));
    EXPECT_TRUE(Seen(EVENT_OBJECT_STATECHANGE, FDialog->EditUserName->Handle()));  // enabled now
    UnhookWinEvent(hook);
}

}  // namespace
