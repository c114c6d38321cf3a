#include "controls/editors/hot_tracker.h"

void THotTracker::Start(HWND window) {
    if (FWindow == window) return;
    Stop();
    if (SetTimer(window, kTimerId, kIntervalMs, nullptr)) FWindow = window;
}

void THotTracker::Stop() {
    if (!FWindow) return;
    KillTimer(FWindow, kTimerId);
    FWindow = nullptr;
}

bool THotTracker::HandleTimer(UINT_PTR id) {
    if (id != kTimerId || !FWindow) return false;
    if (!PointerInside(FWindow)) {
        Stop();
        FLeft();
    }
    return true;
}

bool THotTracker::PointerInside(HWND window) {
    POINT pointer;
    RECT bounds;
    if (!GetCursorPos(&pointer) || !GetWindowRect(window, &bounds)) return false;
    return PtInRect(&bounds, pointer) != FALSE;
}
