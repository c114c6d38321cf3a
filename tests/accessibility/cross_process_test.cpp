// A screen reader's view from another process: the real program is started, its dialog found by
// caption and read through AccessibleObjectFromWindow, child by child.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "toolkit/accessible_object.h"
#include "toolkit/strings.h"

namespace {

struct TRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
using TAccessible = std::unique_ptr<IAccessible, TRelease>;

VARIANT ChildId(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::wstring NameOf(IAccessible& object, long id) {
    BSTR name = nullptr;
    if (object.get_accName(ChildId(id), &name) != S_OK || !name) return {};
    std::wstring result(name, SysStringLen(name));
    SysFreeString(name);
    return result;
}

long RoleOf(IAccessible& object, long id) {
    VARIANT role;
    VariantInit(&role);
    return object.get_accRole(ChildId(id), &role) == S_OK && role.vt == VT_I4 ? role.lVal : -1;
}

// The dialog's window: of the top-level windows with its caption, the one with controls in it
// (the application's own window carries the title too).
HWND FindDialog(const std::wstring& caption) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, caption.c_str()));)
            if (GetWindow(window, GW_CHILD)) return window;
        Sleep(50);
    }
    return nullptr;
}

class TProgram {
public:
    explicit TProgram(const std::wstring& path) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + path + L"\"";
        FStarted = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &FProcess);
    }
    ~TProgram() {
        if (!FStarted) return;
        if (WaitForSingleObject(FProcess.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(FProcess.hProcess, 1);
        CloseHandle(FProcess.hThread);
        CloseHandle(FProcess.hProcess);
    }
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;
    bool Started() const { return FStarted; }
    // Waits for the program to end by itself; its exit code, or -1 after the time-out.
    long Finish() {
        if (WaitForSingleObject(FProcess.hProcess, 10000) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(FProcess.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION FProcess{};
    bool FStarted = false;
};

TEST(CrossProcessAccessibility, AnotherProcessReadsTheDialogsControls) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        TProgram program(Utf8ToWide(DBSETUP_EXECUTABLE));
        ASSERT_TRUE(program.Started()) << DBSETUP_EXECUTABLE;
        HWND dialog = FindDialog(Utf8ToWide(u8"连接到SQL Server"));
        ASSERT_NE(dialog, nullptr) << "the dialog did not appear";

        IAccessible* raw = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(dialog, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                             reinterpret_cast<void**>(&raw)),
                  S_OK);
        TAccessible form(raw);
        EXPECT_EQ(NameOf(*form, CHILDID_SELF), Utf8ToWide(u8"连接到SQL Server"));

        // Every child by name: windowed ones through their own objects, the rest as elements.
        std::map<std::wstring, long> roles;
        long count = 0;
        ASSERT_EQ(form->get_accChildCount(&count), S_OK);
        for (long id = 1; id <= count; ++id) {
            IDispatch* child = nullptr;
            HRESULT found = form->get_accChild(ChildId(id), &child);
            if (found == S_OK && child) {
                IAccessible* object = nullptr;
                if (SUCCEEDED(child->QueryInterface(kIidAccessible, reinterpret_cast<void**>(&object)))) {
                    TAccessible owned(object);
                    roles[NameOf(*owned, CHILDID_SELF)] = RoleOf(*owned, CHILDID_SELF);
                }
                child->Release();
            } else {
                roles[NameOf(*form, id)] = RoleOf(*form, id);
            }
        }
        const std::pair<const char8_t*, long> expected[] = {
            {u8"服务器名", ROLE_SYSTEM_TEXT},       {u8"数据库名", ROLE_SYSTEM_TEXT},
            {u8"用户名", ROLE_SYSTEM_TEXT},         {u8"密码", ROLE_SYSTEM_TEXT},
            {u8"端口", ROLE_SYSTEM_TEXT},           {u8"连接使用", ROLE_SYSTEM_GROUPING},
            {u8"测试", ROLE_SYSTEM_PUSHBUTTON},     {u8"保存", ROLE_SYSTEM_PUSHBUTTON},
            {u8"关闭", ROLE_SYSTEM_PUSHBUTTON},
        };
        for (const auto& [name, role] : expected) {
            auto found = roles.find(Utf8ToWide(name));
            ASSERT_NE(found, roles.end()) << "no child named " << reinterpret_cast<const char*>(name);
            EXPECT_EQ(found->second, role) << reinterpret_cast<const char*>(name);
        }
        form.reset();
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.Finish(), 0);
    }
    CoUninitialize();
}

}  // namespace
