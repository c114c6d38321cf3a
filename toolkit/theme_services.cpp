#include "toolkit/theme_services.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr const wchar_t* kThemeClassNames[kThemedObjectTypeCount] = {
    L"Button", L"Clock", L"ComboBox", L"Edit", L"ExplorerBar", L"Header", L"ListView", L"Menu",
    L"Page", L"Progress", L"Rebar", L"ScrollBar", L"Spin", L"StartPanel", L"Status", L"Tab",
    L"TaskBand", L"TaskBar", L"ToolBar", L"ToolTip", L"TrackBar", L"TrayNotify", L"TreeView",
    L"Window"};

constexpr wchar_t kNotifyWindowClass[] = L"DbsetupThemeNotify";

// Themes came with version 5.1; earlier systems have no theme library to load.
bool SystemHasThemes() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version)) return false;
    return version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1);
}

template <class F>
bool LookUp(HMODULE library, const char* name, F& entry) {
    entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return entry != nullptr;
}

}  // namespace

const wchar_t* ThemeClassName(TThemedObjectType type) { return kThemeClassNames[static_cast<int>(type)]; }

TThemeServices& TThemeServices::Instance() {
    static TThemeServices services;
    return services;
}

TThemeServices::TThemeServices() {
    LoadPlatformLibrary();
    CreateNotifyWindow();
}

TThemeServices::~TThemeServices() {
    UnloadLibrary();
    if (FWindow) DestroyWindow(FWindow);
}

void TThemeServices::LoadPlatformLibrary() {
    if (!SystemHasThemes()) return;
    FLibrary = LoadLibraryW(L"UxTheme.dll");
    if (!FLibrary) return;
    TThemeApi api{};
    bool complete = LookUp(FLibrary, "OpenThemeData", api.OpenThemeData) &&
                    LookUp(FLibrary, "CloseThemeData", api.CloseThemeData) &&
                    LookUp(FLibrary, "DrawThemeBackground", api.DrawThemeBackground) &&
                    LookUp(FLibrary, "DrawThemeParentBackground", api.DrawThemeParentBackground) &&
                    LookUp(FLibrary, "GetThemeBackgroundContentRect", api.GetThemeBackgroundContentRect) &&
                    LookUp(FLibrary, "GetThemePartSize", api.GetThemePartSize) &&
                    LookUp(FLibrary, "GetThemeColor", api.GetThemeColor) &&
                    LookUp(FLibrary, "IsThemeActive", api.IsThemeActive);
    if (!complete) {
        FreeLibrary(FLibrary);
        FLibrary = nullptr;
        return;
    }
    FApi = api;
    ReadActive();
}

// Handles belong to the library that opened them: all are closed before it goes.
void TThemeServices::UnloadLibrary() {
    CloseAll();
    FApi.reset();
    FThemesActive = false;
    if (FLibrary) FreeLibrary(FLibrary);
    FLibrary = nullptr;
}

void TThemeServices::CloseAll() {
    for (TCachedTheme& cached : FCache) {
        if (cached.Handle && FApi) FApi->CloseThemeData(cached.Handle);
        cached = TCachedTheme{};
    }
}

void TThemeServices::ReadActive() { FThemesActive = FApi && FApi->IsThemeActive(); }

bool TThemeServices::Available(std::initializer_list<TThemedObjectType> types) {
    if (!LibraryLoaded() || !FThemesActive) return false;
    return std::all_of(types.begin(), types.end(), [this](TThemedObjectType type) { return Open(type) != nullptr; });
}

HTHEME TThemeServices::Open(TThemedObjectType type, const wchar_t* classList) {
    if (!FApi) return nullptr;
    std::wstring wanted = classList ? classList : ThemeClassName(type);
    TCachedTheme& cached = FCache[static_cast<int>(type)];
    if (cached.Handle && cached.ClassList == wanted) return cached.Handle;
    // Another class list replaces the cached handle: the old one is closed, not dropped.
    if (cached.Handle) FApi->CloseThemeData(cached.Handle);
    cached = TCachedTheme{};
    HTHEME handle = FApi->OpenThemeData(nullptr, wanted.c_str());
    if (handle) cached = TCachedTheme{handle, std::move(wanted)};
    return handle;
}

namespace {

// Which common controls a process uses is settled when it starts (by its manifest), so this is
// asked once: finding the library by name searches the disk under Wine on every call.
bool CommonControlsVersion6() {
    static const bool version6 = [] {
        HMODULE commonControls = GetModuleHandleW(L"comctl32.dll");
        if (!commonControls) return false;
        auto getVersion = reinterpret_cast<HRESULT(CALLBACK*)(DLLVERSIONINFO*)>(
            reinterpret_cast<void*>(GetProcAddress(commonControls, "DllGetVersion")));
        if (!getVersion) return false;
        DLLVERSIONINFO info{};
        info.cbSize = sizeof(info);
        return SUCCEEDED(getVersion(&info)) && info.dwMajorVersion >= 6;
    }();
    return version6;
}

}  // namespace

bool TThemeServices::ThemesEnabledForApplication() const {
    return LibraryLoaded() && FThemesActive && CommonControlsVersion6();
}

int TThemeServices::AddThemeChangedListener(TListener listener) {
    return AddListener(TListenerKind::ThemeChanged, std::move(listener));
}

int TThemeServices::AddSysColorChangedListener(TListener listener) {
    return AddListener(TListenerKind::SysColorChanged, std::move(listener));
}

int TThemeServices::AddListener(TListenerKind kind, TListener listener) {
    int id = FNextListenerId++;
    FListeners.push_back({id, kind, std::move(listener)});
    return id;
}

void TThemeServices::RemoveListener(int id) {
    std::erase_if(FListeners, [id](const TListenerEntry& entry) { return entry.Id == id; });
}

// Listeners may add or remove listeners while they are told: walk a copy of the ids and skip
// the ones gone meanwhile.
void TThemeServices::Notify(TListenerKind kind) {
    std::vector<int> ids;
    for (const TListenerEntry& entry : FListeners)
        if (entry.Kind == kind) ids.push_back(entry.Id);
    for (int id : ids) {
        auto found = std::find_if(FListeners.begin(), FListeners.end(),
                                  [id](const TListenerEntry& entry) { return entry.Id == id; });
        if (found == FListeners.end()) continue;
        TListener call = found->Call;  // the entry may go while it runs
        call();
    }
}

void TThemeServices::TakeThemeChange() {
    CloseAll();
    ReadActive();
    Notify(TListenerKind::ThemeChanged);
}

void TThemeServices::TakeSysColorChange() { Notify(TListenerKind::SysColorChanged); }

void TThemeServices::UseApiForTesting(std::optional<TThemeApi> api) {
    UnloadLibrary();
    FApi = api;
    ReadActive();
}

void TThemeServices::RestorePlatformApi() {
    UnloadLibrary();
    LoadPlatformLibrary();
}

// A hidden top-level window: broadcasts of theme and colour changes reach top-level windows only.
void TThemeServices::CreateNotifyWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TThemeServices::NotifyProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kNotifyWindowClass;
    RegisterClassExW(&wc);
    FWindow = CreateWindowExW(WS_EX_TOOLWINDOW, kNotifyWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK TThemeServices::NotifyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_THEMECHANGED) {
        Instance().TakeThemeChange();
        return 0;
    }
    if (message == WM_SYSCOLORCHANGE) {
        Instance().TakeSysColorChange();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
