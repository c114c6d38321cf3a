// Processor time of an idle dialog-like form whose busy animator is hidden but animating (as the
// dialog is between connection tests: the worker wakes every 100 ms and does nothing), against
// the same form without the animator. Goal: about zero.
#include <cstdio>

#include "bench/animation/bench_support.h"

namespace {

constexpr DWORD kIdleMilliseconds = 5000;

double IdleProcessorMilliseconds(bool withAnimator) {
    TBusyForm dialog(withAnimator);
    if (dialog.Busy) dialog.Busy->Hide();
    RunMessageLoopFor(500);  // settle: first paint, the worker's first 1000 ms wait begins
    double before = ProcessorMilliseconds();
    RunMessageLoopFor(kIdleMilliseconds);
    return ProcessorMilliseconds() - before;
}

}  // namespace

int main() {
    TApplication application;
    application.Initialize();
    double without = IdleProcessorMilliseconds(false);
    double with = IdleProcessorMilliseconds(true);
    std::printf("processor time over %lu ms idle: without animator %.1f ms, with hidden animator %.1f ms\n",
                kIdleMilliseconds, without, with);
    std::printf("(the counter works: %.1f ms of processor time since the program started)\n",
                ProcessorMilliseconds());
    std::printf("share of one processor: %.3f %% / %.3f %%\n", 100.0 * without / kIdleMilliseconds,
                100.0 * with / kIdleMilliseconds);
    return 0;
}
