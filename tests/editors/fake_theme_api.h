#pragma once
// A theme library for tests: themes on or off, classes that fail to open, and drawing that fills
// the part's rectangle with a colour made from the part and state, so pixels show what was drawn.
#include <set>
#include <string>

#include "toolkit/theme_services.h"

struct TFakeTheme {
    bool Active = true;
    std::set<std::wstring> Unopenable;  // class names whose open fails
    SIZE RadioSize{16, 16};
    int Opened = 0;
    int Closed = 0;
};

TFakeTheme& FakeTheme();
// The colour the fake draws for a part in a state.
COLORREF FakeThemeColor(int part, int state);

enum class TThemeMode { tmOn, tmOff, tmAbsent };
// Puts the fake (or no library) in place and lets every listener take the change.
void UseFakeThemes(TThemeMode mode);
// Back to the platform's library.
void UsePlatformThemes();
