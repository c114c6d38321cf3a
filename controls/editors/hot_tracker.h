#pragma once
// Hot tracking by a 10 ms message timer: once the pointer has entered a control, the timer
// watches it and reports when it is outside the control's window, also when it left to another
// window without a mouse message to tell.
#include <windows.h>

#include <functional>

class THotTracker {
public:
    static constexpr UINT_PTR kTimerId = 0x4854;  // "HT"
    static constexpr UINT kIntervalMs = 10;

    // left: the pointer is outside now (the timer has stopped).
    explicit THotTracker(std::function<void()> left) : FLeft(std::move(left)) {}
    THotTracker(const THotTracker&) = delete;
    THotTracker& operator=(const THotTracker&) = delete;
    ~THotTracker() { Stop(); }

    // The pointer moved over window (or a window inside it).
    void Start(HWND window);
    void Stop();
    // From the window's WM_TIMER: true when the timer was this tracker's.
    bool HandleTimer(UINT_PTR id);
    // The pointer lies inside the window's bounds on the screen.
    static bool PointerInside(HWND window);

private:
    std::function<void()> FLeft;
    HWND FWindow = nullptr;
};
