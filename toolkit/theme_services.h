#pragma once
// The platform's visual themes: the theme library, loaded at run time by name only where the
// system has it, whether themes are active, one open theme handle per object type, and the
// hidden window that hears theme and system-colour changes and tells whoever listens.
#include <windows.h>
#include <shlwapi.h>
#include <uxtheme.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

enum class TThemedObjectType {
    totButton, totClock, totComboBox, totEdit, totExplorerBar, totHeader, totListView, totMenu,
    totPage, totProgress, totRebar, totScrollBar, totSpin, totStartPanel, totStatus, totTab,
    totTaskBand, totTaskBar, totToolBar, totToolTip, totTrackBar, totTrayNotify, totTreeView,
    totWindow
};
inline constexpr int kThemedObjectTypeCount = 24;

// The class name a type's theme is opened with: "Button", "Clock", ... "Window".
const wchar_t* ThemeClassName(TThemedObjectType type);

// The theme library's entry points, looked up by name (or a test's replacements).
struct TThemeApi {
    HTHEME(WINAPI* OpenThemeData)(HWND, LPCWSTR);
    HRESULT(WINAPI* CloseThemeData)(HTHEME);
    HRESULT(WINAPI* DrawThemeBackground)(HTHEME, HDC, int part, int state, const RECT*, const RECT* clip);
    HRESULT(WINAPI* DrawThemeParentBackground)(HWND, HDC, const RECT*);
    HRESULT(WINAPI* GetThemeBackgroundContentRect)(HTHEME, HDC, int, int, const RECT*, RECT*);
    HRESULT(WINAPI* GetThemePartSize)(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE*);
    HRESULT(WINAPI* GetThemeColor)(HTHEME, int, int, int, COLORREF*);
    BOOL(WINAPI* IsThemeActive)();
};

class TThemeServices {
public:
    // The first use, on the user-interface thread, loads the library and makes the hidden window.
    static TThemeServices& Instance();
    TThemeServices(const TThemeServices&) = delete;
    TThemeServices& operator=(const TThemeServices&) = delete;

    bool LibraryLoaded() const { return FApi.has_value(); }
    bool ThemesActive() const { return FThemesActive; }
    // The library is loaded, themes are active and every listed type opens.
    bool Available(std::initializer_list<TThemedObjectType> types);
    // The type's cached handle, opened on first use (again only for another class list); null
    // when the theme cannot be opened.
    HTHEME Open(TThemedObjectType type, const wchar_t* classList = nullptr);
    const TThemeApi& Api() const { return *FApi; }  // only while LibraryLoaded()
    // The test for custom-painted controls: themes active and the program running with the
    // version-6 common controls, which draw themed. This program does not ask for them.
    bool ThemesEnabledForApplication() const;

    using TListener = std::function<void()>;
    int AddThemeChangedListener(TListener listener);     // after a theme change has been taken in
    int AddSysColorChangedListener(TListener listener);  // after a system-colour change
    void RemoveListener(int id);                         // safe from inside a notification

    void TakeThemeChange();     // closes every handle, reads the active flag again, tells listeners
    void TakeSysColorChange();  // tells listeners
    HWND NotifyWindow() const { return FWindow; }

    // Replaces the library's entry points (std::nullopt: no library); RestorePlatformApi goes
    // back to the real one. Both close every cached handle first.
    void UseApiForTesting(std::optional<TThemeApi> api);
    void RestorePlatformApi();

private:
    enum class TListenerKind { ThemeChanged, SysColorChanged };
    struct TCachedTheme {
        HTHEME Handle = nullptr;
        std::wstring ClassList;
    };
    struct TListenerEntry {
        int Id;
        TListenerKind Kind;
        TListener Call;
    };

    TThemeServices();
    ~TThemeServices();
    void LoadPlatformLibrary();
    void UnloadLibrary();
    void CloseAll();
    void ReadActive();
    int AddListener(TListenerKind kind, TListener listener);
    void Notify(TListenerKind kind);
    void CreateNotifyWindow();
    static LRESULT CALLBACK NotifyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HMODULE FLibrary = nullptr;
    std::optional<TThemeApi> FApi;
    bool FThemesActive = false;
    std::array<TCachedTheme, kThemedObjectTypeCount> FCache{};
    std::vector<TListenerEntry> FListeners;
    int FNextListenerId = 1;
    HWND FWindow = nullptr;
};
