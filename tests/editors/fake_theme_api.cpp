#include "tests/editors/fake_theme_api.h"

namespace {

// Handles are the class names' addresses in a fixed table, so a test can tell them apart.
const wchar_t* const kClasses[] = {L"Button", L"Edit", L"ComboBox", L"Window"};

HTHEME WINAPI FakeOpen(HWND, LPCWSTR classList) {
    if (!classList || FakeTheme().Unopenable.count(classList)) return nullptr;
    for (const wchar_t* name : kClasses)
        if (std::wstring(name) == classList) {
            ++FakeTheme().Opened;
            return reinterpret_cast<HTHEME>(const_cast<wchar_t*>(name));
        }
    return nullptr;
}

HRESULT WINAPI FakeClose(HTHEME) {
    ++FakeTheme().Closed;
    return S_OK;
}

HRESULT WINAPI FakeDraw(HTHEME, HDC dc, int part, int state, const RECT* rect, const RECT*) {
    HBRUSH brush = CreateSolidBrush(FakeThemeColor(part, state));
    FillRect(dc, rect, brush);
    DeleteObject(brush);
    return S_OK;
}

HRESULT WINAPI FakeParentBackground(HWND, HDC, const RECT*) { return S_OK; }

HRESULT WINAPI FakeContentRect(HTHEME, HDC, int, int, const RECT* bounds, RECT* content) {
    *content = *bounds;
    InflateRect(content, -2, -2);
    return S_OK;
}

HRESULT WINAPI FakePartSize(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE* size) {
    *size = FakeTheme().RadioSize;
    return S_OK;
}

HRESULT WINAPI FakeColor(HTHEME, int, int, int, COLORREF* color) {
    *color = RGB(1, 2, 3);
    return S_OK;
}

BOOL WINAPI FakeActive() { return FakeTheme().Active; }

}  // namespace

TFakeTheme& FakeTheme() {
    static TFakeTheme theme;
    return theme;
}

COLORREF FakeThemeColor(int part, int state) { return RGB(200, 10 * part, 10 * state); }

void UseFakeThemes(TThemeMode mode) {
    TThemeServices& themes = TThemeServices::Instance();
    FakeTheme().Active = mode == TThemeMode::tmOn;
    if (mode == TThemeMode::tmAbsent) {
        themes.UseApiForTesting(std::nullopt);
    } else {
        themes.UseApiForTesting(TThemeApi{FakeOpen, FakeClose, FakeDraw, FakeParentBackground, FakeContentRect,
                                          FakePartSize, FakeColor, FakeActive});
    }
    themes.TakeThemeChange();
}

void UsePlatformThemes() {
    TThemeServices& themes = TThemeServices::Instance();
    themes.RestorePlatformApi();
    themes.TakeThemeChange();
}
