#include "bench/startup/painted_window.h"

#include <algorithm>

namespace {

BOOL CALLBACK ChildNeedsPaint(HWND child, LPARAM result) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(result) = true;
    return TRUE;
}

}  // namespace

HWND PaintedWindow(const std::wstring& caption) {
    HWND window = FindWindowW(nullptr, caption.c_str());
    if (!window || !IsWindowVisible(window)) return nullptr;
    DWORD_PTR ignored;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored)) return nullptr;
    bool pending = GetUpdateRect(window, nullptr, FALSE);
    EnumChildWindows(window, ChildNeedsPaint, reinterpret_cast<LPARAM>(&pending));
    return pending ? nullptr : window;
}

HWND WaitUntilPainted(const std::wstring& caption) {
    for (int i = 0; i < 30000; ++i) {
        if (HWND window = PaintedWindow(caption)) return window;
        Sleep(1);
    }
    return nullptr;
}

void ParkPointer() { SetCursorPos(0, 0); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}
