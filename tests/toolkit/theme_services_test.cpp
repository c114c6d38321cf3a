// The theme services under Wine: the real library, the per-type handle cache with a stand-in
// library that counts opens and closes, the active flag, and the listeners for theme and
// system-colour changes heard by the hidden window.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/theme_services.h"

namespace {

// A stand-in theme library: handles are numbered; every open handle is tracked until closed.
struct TFakeThemes {
    static inline bool Active = true;
    static inline std::set<std::wstring> Refused;
    static inline std::map<HTHEME, std::wstring> Open;
    static inline std::vector<std::wstring> OpenCalls;
    static inline std::intptr_t Next = 1;

    static HTHEME WINAPI OpenThemeData(HWND, LPCWSTR classList) {
        OpenCalls.emplace_back(classList);
        if (Refused.count(classList)) return nullptr;
        auto handle = reinterpret_cast<HTHEME>(Next++);
        Open[handle] = classList;
        return handle;
    }
    static HRESULT WINAPI CloseThemeData(HTHEME theme) { return Open.erase(theme) ? S_OK : E_HANDLE; }
    static HRESULT WINAPI DrawThemeBackground(HTHEME, HDC, int, int, const RECT*, const RECT*) { return S_OK; }
    static HRESULT WINAPI DrawThemeParentBackground(HWND, HDC, const RECT*) { return S_OK; }
    static HRESULT WINAPI GetThemeBackgroundContentRect(HTHEME, HDC, int, int, const RECT*, RECT*) { return S_OK; }
    static HRESULT WINAPI GetThemePartSize(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE*) { return S_OK; }
    static HRESULT WINAPI GetThemeColor(HTHEME, int, int, int, COLORREF*) { return S_OK; }
    static BOOL WINAPI IsThemeActive() { return Active; }

    static TThemeApi Api() {
        return {&OpenThemeData, &CloseThemeData, &DrawThemeBackground, &DrawThemeParentBackground,
                &GetThemeBackgroundContentRect, &GetThemePartSize, &GetThemeColor, &IsThemeActive};
    }
    static void Reset() {
        Active = true;
        Refused.clear();
        Open.clear();
        OpenCalls.clear();
    }
};

class ThemeServicesTest : public ::testing::Test {
protected:
    void SetUp() override { TFakeThemes::Reset(); }
    void TearDown() override { Themes().RestorePlatformApi(); }
    static TThemeServices& Themes() { return TThemeServices::Instance(); }
    static void UseFake() { Themes().UseApiForTesting(TFakeThemes::Api()); }
};

}  // namespace

TEST_F(ThemeServicesTest, ClassNamesFollowTheTypes) {
    struct {
        TThemedObjectType Type;
        const wchar_t* Name;
    } rows[] = {{TThemedObjectType::totButton, L"Button"},   {TThemedObjectType::totEdit, L"Edit"},
                {TThemedObjectType::totStartPanel, L"StartPanel"}, {TThemedObjectType::totTrayNotify, L"TrayNotify"},
                {TThemedObjectType::totWindow, L"Window"}};
    for (const auto& row : rows) EXPECT_STREQ(ThemeClassName(row.Type), row.Name);
}

// The platform's library under Wine: themes are active, but this program does not run with the
// version-6 common controls, so custom-painted controls draw their own look.
TEST_F(ThemeServicesTest, ThePlatformLibraryIsLoadedByName) {
    ASSERT_TRUE(Themes().LibraryLoaded());
    EXPECT_EQ(Themes().ThemesActive(), Themes().Api().IsThemeActive() != FALSE);
    if (Themes().ThemesActive()) {
        EXPECT_NE(Themes().Open(TThemedObjectType::totButton), nullptr);
        EXPECT_TRUE(Themes().Available({TThemedObjectType::totButton, TThemedObjectType::totEdit}));
    }
    EXPECT_FALSE(Themes().ThemesEnabledForApplication());
}

TEST_F(ThemeServicesTest, HandlesAreCachedPerTypeAndClosedWhenReplaced) {
    UseFake();
    HTHEME button = Themes().Open(TThemedObjectType::totButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(Themes().Open(TThemedObjectType::totButton), button);
    EXPECT_EQ(TFakeThemes::OpenCalls, (std::vector<std::wstring>{L"Button"}));

    // Another class list reopens, closing the handle it replaces.
    HTHEME listed = Themes().Open(TThemedObjectType::totButton, L"Explorer::Button;Button");
    EXPECT_NE(listed, button);
    EXPECT_EQ(TFakeThemes::Open.count(button), 0u);
    EXPECT_EQ(TFakeThemes::Open.size(), 1u);

    Themes().Open(TThemedObjectType::totEdit);
    EXPECT_EQ(TFakeThemes::Open.size(), 2u);
    // A theme change and a change of library both close every cached handle.
    Themes().TakeThemeChange();
    EXPECT_TRUE(TFakeThemes::Open.empty());
    Themes().Open(TThemedObjectType::totEdit);
    Themes().UseApiForTesting(std::nullopt);
    EXPECT_TRUE(TFakeThemes::Open.empty());
}

TEST_F(ThemeServicesTest, AvailabilityNeedsTheLibraryTheActiveFlagAndEveryType) {
    Themes().UseApiForTesting(std::nullopt);
    EXPECT_FALSE(Themes().LibraryLoaded());
    EXPECT_FALSE(Themes().ThemesActive());
    EXPECT_FALSE(Themes().Available({TThemedObjectType::totButton}));
    EXPECT_EQ(Themes().Open(TThemedObjectType::totButton), nullptr);

    UseFake();
    EXPECT_TRUE(Themes().Available({TThemedObjectType::totButton, TThemedObjectType::totEdit}));
    EXPECT_TRUE(Themes().Available({}));

    TFakeThemes::Refused = {L"Edit"};
    Themes().TakeThemeChange();
    EXPECT_TRUE(Themes().Available({TThemedObjectType::totButton}));
    EXPECT_FALSE(Themes().Available({TThemedObjectType::totButton, TThemedObjectType::totEdit}));
    // A failed open is not cached: the next request tries again.
    TFakeThemes::OpenCalls.clear();
    Themes().Open(TThemedObjectType::totEdit);
    EXPECT_EQ(TFakeThemes::OpenCalls, (std::vector<std::wstring>{L"Edit"}));

    // The active flag is read again at every theme change.
    TFakeThemes::Active = false;
    EXPECT_TRUE(Themes().ThemesActive());
    Themes().TakeThemeChange();
    EXPECT_FALSE(Themes().ThemesActive());
    EXPECT_FALSE(Themes().Available({TThemedObjectType::totButton}));
}

TEST_F(ThemeServicesTest, TheHiddenWindowTellsListenersOfThemeAndColourChanges) {
    HWND window = Themes().NotifyWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_FALSE(IsWindowVisible(window));

    std::vector<std::string> heard;
    int themeId = Themes().AddThemeChangedListener([&] { heard.push_back("theme"); });
    int colorId = Themes().AddSysColorChangedListener([&] { heard.push_back("colour"); });
    SendMessageW(window, WM_THEMECHANGED, 0, 0);
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(heard, (std::vector<std::string>{"theme", "colour"}));

    Themes().RemoveListener(themeId);
    Themes().RemoveListener(colorId);
    SendMessageW(window, WM_THEMECHANGED, 0, 0);
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(heard.size(), 2u);
}

// A listener that removes itself, or another one, while being told does not make the walk skip
// or call a removed listener.
TEST_F(ThemeServicesTest, ListenersMayRemoveListenersWhileTold) {
    std::vector<int> calls;
    int first = 0, second = 0, third = 0;
    first = Themes().AddSysColorChangedListener([&] {
        calls.push_back(1);
        Themes().RemoveListener(first);
    });
    second = Themes().AddSysColorChangedListener([&] {
        calls.push_back(2);
        Themes().RemoveListener(third);
    });
    third = Themes().AddSysColorChangedListener([&] { calls.push_back(3); });
    Themes().TakeSysColorChange();
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
    Themes().TakeSysColorChange();
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 2}));
    Themes().RemoveListener(second);
}

// Colours and themes are read when painting: a change makes every form repaint in full.
TEST_F(ThemeServicesTest, FormsRepaintOnAColourOrThemeChange) {
    TApplication application;
    application.Initialize();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(100, 80);
    form->ShowForm();
    application.ProcessMessages();
    for (auto change : {&TThemeServices::TakeSysColorChange, &TThemeServices::TakeThemeChange}) {
        UpdateWindow(form->Handle());
        RECT update{};
        ASSERT_FALSE(GetUpdateRect(form->Handle(), &update, FALSE));
        (Themes().*change)();
        EXPECT_TRUE(GetUpdateRect(form->Handle(), &update, FALSE));
        EXPECT_EQ(update.right - update.left, 100);
    }
}
