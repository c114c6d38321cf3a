// Tick cadence while the user-interface thread is blocked: the busy animator's own handler,
// AdvanceFrame, driven by a worker-mode timer of 100 ms (the busy GIF's delay) that stamps each
// tick, while the user-interface thread sleeps for 5 s. Goal: 95 % of the periods within
// 100 ms + 15 ms.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/animation/bench_support.h"
#include "controls/animation/threaded_timer.h"

namespace {

constexpr DWORD kBlockedMilliseconds = 5000;
constexpr double kPeriodGoal = 115.0;

double Now(const LARGE_INTEGER& frequency) {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values.at(static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1)));
}

}  // namespace

int main() {
    TApplication application;
    application.Initialize();
    TBusyForm dialog(true);
    dialog.Busy->SetAnimate(false);  // the benchmark's timer drives it instead
    RunMessageLoopFor(300);

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> starts;
    std::vector<double> durations;
    starts.reserve(100);
    durations.reserve(100);
    TThreadedTimer timer(nullptr);
    timer.SetSyncEvent(false);
    timer.SetInterval(100);
    timer.SetOnTimer([&](TComponent*) {
        double start = Now(frequency);
        dialog.Busy->AdvanceFrame();
        starts.push_back(start);
        durations.push_back(Now(frequency) - start);
    });
    Sleep(kBlockedMilliseconds);  // blocked, as in a connection attempt
    timer.SetEnabled(false);
    RunMessageLoopFor(200);

    std::vector<double> periods;
    for (std::size_t i = 1; i < starts.size(); ++i) periods.push_back(starts[i] - starts[i - 1]);
    if (periods.empty()) {
        std::printf("no ticks\n");
        return 1;
    }
    auto within = std::count_if(periods.begin(), periods.end(), [](double p) { return p <= kPeriodGoal; });
    std::printf("ticks %zu in %lu ms with the interface thread blocked\n", starts.size(), kBlockedMilliseconds);
    std::printf("period ms: median %.1f  p95 %.1f  max %.1f\n", Percentile(periods, 0.5), Percentile(periods, 0.95),
                *std::max_element(periods.begin(), periods.end()));
    std::printf("within %.0f ms: %.1f %%\n", kPeriodGoal, 100.0 * static_cast<double>(within) / periods.size());
    std::printf("tick ms: median %.2f  max %.2f\n", Percentile(durations, 0.5),
                *std::max_element(durations.begin(), durations.end()));
    return 0;
}
