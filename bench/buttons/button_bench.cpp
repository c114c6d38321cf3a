// The dialog's 保存 button under Wine: how long one paint takes, how long from the pointer's
// arrival (WM_MOUSEMOVE) to the hot ring on screen, and how many GDI objects 1,000 hover
// cycles leave behind. Run by hand (see bench/README.md).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/connection_dialog.h"
#include "controls/buttons/hot_bit_btn.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/strings.h"

namespace {

using TClock = std::chrono::steady_clock;

double Microseconds(TClock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void Report(const char* what, std::vector<double> samples, const char* unit, double scale) {
    std::sort(samples.begin(), samples.end());
    auto at = [&](double q) { return samples[static_cast<std::size_t>(q * (samples.size() - 1))] / scale; };
    std::printf("%-44s median %8.3f %s   p95 %8.3f %s   max %8.3f %s   (%zu runs)\n", what, at(0.5), unit, at(0.95),
                unit, at(1.0), unit, samples.size());
}

void PumpMessages() { Application->ProcessMessages(); }

// This thread's processor time (user and kernel) in microseconds: on a machine shared with
// other builds the wall clock says more about them than about the paint.
double ThreadCpuMicroseconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ticks = [](const FILETIME& t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 10; };
    return ticks(kernel) + ticks(user);
}

// Runs paint runs times; prints the mean processor time per run.
void ReportCpu(const char* what, int runs, const std::function<void()>& paint) {
    double start = ThreadCpuMicroseconds();
    for (int i = 0; i < runs; ++i) paint();
    std::printf("%-44s mean CPU %8.3f ms   (%d runs)\n", what, (ThreadCpuMicroseconds() - start) / runs / 1000, runs);
}

std::vector<double> TimePrintClient(THotBitBtn& button, int runs) {
    TBitmap target;
    target.SetSize(button.Width(), button.Height());
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        auto start = TClock::now();
        SendMessageW(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), PRF_CLIENT);
        GdiFlush();
        samples.push_back(Microseconds(TClock::now() - start));
    }
    return samples;
}

std::vector<double> TimeWindowPaint(THotBitBtn& button, int runs, bool erase) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        auto start = TClock::now();
        InvalidateRect(button.Handle(), nullptr, erase);
        UpdateWindow(button.Handle());
        GdiFlush();
        samples.push_back(Microseconds(TClock::now() - start));
    }
    return samples;
}

// Posted as the platform posts it, then the loop runs until the ring's top row is on screen.
std::vector<double> TimePointerToRing(THotBitBtn& button, int runs) {
    const COLORREF ringTop = RGB(255, 239, 200);
    POINT centre{button.Width() / 2, button.Height() / 2};
    ClientToScreen(button.Handle(), &centre);
    std::vector<double> samples;
    TWindowDC window(button.Handle());
    for (int i = 0; i < runs; ++i) {
        SetCursorPos(centre.x, centre.y);
        auto start = TClock::now();
        PostMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(button.Width() / 2, button.Height() / 2));
        while (GetPixel(window.Get(), 44, 2) != ringTop) {
            PumpMessages();
            if (TClock::now() - start > std::chrono::seconds(1)) break;
        }
        samples.push_back(Microseconds(TClock::now() - start));
        SetCursorPos(centre.x + 400, centre.y + 400);
        SendMessageW(button.Handle(), WM_MOUSELEAVE, 0, 0);
        UpdateWindow(button.Handle());
        PumpMessages();
    }
    return samples;
}

int GdiObjectsLeftByHovering(THotBitBtn& button, int cycles) {
    int before = LiveGdiObjects();
    for (int i = 0; i < cycles; ++i) {
        SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        UpdateWindow(button.Handle());
        SendMessageW(button.Handle(), WM_MOUSELEAVE, 0, 0);
        UpdateWindow(button.Handle());
        PumpMessages();
    }
    return LiveGdiObjects() - before;
}

}  // namespace

int wmain() {
    TApplication application;
    application.Initialize();
    RegisterDialogClasses();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    TFrmCorvane dialog(nullptr, temp);
    application.SetMainForm(&dialog);
    dialog.ShowForm();
    PumpMessages();
    THotBitBtn& save = *dialog.BtnSave;

    Report("paint, WM_PRINTCLIENT into a memory DC", TimePrintClient(save, 2000), "ms", 1000);
    Report("paint, the window (erase and paint)", TimeWindowPaint(save, 2000, true), "ms", 1000);
    Report("paint, the window (no erase, as on hover)", TimeWindowPaint(save, 2000, false), "ms", 1000);
    TBitmap target;
    target.SetSize(save.Width(), save.Height());
    ReportCpu("paint, WM_PRINTCLIENT into a memory DC", 2000, [&] {
        SendMessageW(save.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), PRF_CLIENT);
    });
    ReportCpu("paint, the window (no erase, as on hover)", 2000, [&] {
        InvalidateRect(save.Handle(), nullptr, FALSE);
        UpdateWindow(save.Handle());
    });
    Report("WM_MOUSEMOVE posted -> hot ring on screen", TimePointerToRing(save, 200), "ms", 1000);
    std::printf("GDI objects left after 1000 hover cycles: %d\n", GdiObjectsLeftByHovering(save, 1000));
    application.SetMainForm(nullptr);
    return 0;
}
