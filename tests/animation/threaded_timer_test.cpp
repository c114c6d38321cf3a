// The threaded timer under Wine: both modes, reconfiguration from either thread, error reports,
// delivery on the user-interface thread, and destruction while ticks are under way. Timings are
// generous: counts are checked within ranges, never exact periods.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "controls/animation/threaded_timer.h"
#include "tests/animation/test_application.h"
#include "toolkit/application.h"
#include "toolkit/exceptions.h"

namespace {

using namespace std::chrono_literals;

// Counts the application's error reports while it lives.
class TReportCounter {
public:
    TReportCounter() {
        Application->OnException = [this](const std::exception& error) {
            ++FCount;
            if (std::string(error.what()) != "tick failed") ++FOthers;
        };
    }
    ~TReportCounter() { Application->OnException = nullptr; }
    int Count() const { return FCount; }
    int Others() const { return FOthers; }

private:
    std::atomic<int> FCount{0};
    std::atomic<int> FOthers{0};
};

// A timer delivering on its worker with a counting handler.
struct TWorkerTimer {
    explicit TWorkerTimer(unsigned interval) {
        Timer->SetSyncEvent(false);
        Timer->SetInterval(interval);
    }
    void Start() {
        Timer->SetOnTimer([this](TComponent*) { ++Ticks; });
    }
    std::unique_ptr<TThreadedTimer> Timer = std::make_unique<TThreadedTimer>(nullptr);
    std::atomic<int> Ticks{0};
};

TEST(ThreadedTimer, DefaultsMatchTheComponent) {
    TThreadedTimer timer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_TRUE(timer.SyncEvent());
    EXPECT_TRUE(timer.Threaded());
    EXPECT_EQ(timer.ThreadPriority(), TThreadPriority::tpNormal);
    EXPECT_FALSE(timer.HasHandler());
    EXPECT_EQ(timer.WindowHandle(), nullptr);
}

TEST(ThreadedTimer, PrioritiesMapToTheSystemValues) {
    const struct {
        TThreadPriority Priority;
        int Want;
    } rows[] = {
        {TThreadPriority::tpIdle, -15},  {TThreadPriority::tpLowest, -2}, {TThreadPriority::tpLower, -1},
        {TThreadPriority::tpNormal, 0},  {TThreadPriority::tpHigher, 1},  {TThreadPriority::tpHighest, 2},
        {TThreadPriority::tpTimeCritical, 15},
    };
    for (const auto& row : rows)
        EXPECT_EQ(OsThreadPriority(row.Priority), row.Want) << "priority " << static_cast<int>(row.Priority);
}

TEST(ThreadedTimer, WorkerTicksOnItsOwnThread) {
    TWorkerTimer worker(20);
    std::atomic<DWORD> tickThread{0};
    worker.Timer->SetOnTimer([&](TComponent* sender) {
        EXPECT_EQ(sender, worker.Timer.get());
        tickThread = GetCurrentThreadId();
        ++worker.Ticks;
    });
    std::this_thread::sleep_for(500ms);
    EXPECT_GE(worker.Ticks, 5) << "about 20 ticks expected in 500 ms";
    EXPECT_LE(worker.Ticks, 30);
    EXPECT_NE(tickThread, GetCurrentThreadId());
}

TEST(ThreadedTimer, IntervalZeroDeliversNothingInEitherMode) {
    TWorkerTimer worker(0);
    worker.Start();
    TWorkerTimer window(0);
    window.Timer->SetThreaded(false);
    window.Start();
    PumpFor(300);
    EXPECT_EQ(worker.Ticks, 0);
    EXPECT_EQ(window.Ticks, 0);
    EXPECT_NE(window.Timer->WindowHandle(), nullptr);
}

TEST(ThreadedTimer, DisabledDeliversNothingUntilEnabled) {
    TWorkerTimer worker(20);
    worker.Timer->SetEnabled(false);
    worker.Start();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(worker.Ticks, 0);
    worker.Timer->SetEnabled(true);
    std::this_thread::sleep_for(300ms);
    EXPECT_GE(worker.Ticks, 3);
}

TEST(ThreadedTimer, ReplacedHandlerGetsTheNextTicks) {
    TWorkerTimer worker(15);
    std::atomic<int> first{0};
    std::atomic<int> second{0};
    worker.Timer->SetOnTimer([&](TComponent*) { ++first; });
    std::this_thread::sleep_for(200ms);
    worker.Timer->SetOnTimer([&](TComponent*) { ++second; });
    std::this_thread::sleep_for(50ms);  // a tick that had the first handler in hand ends
    int firstAfterReplacing = first;
    std::this_thread::sleep_for(200ms);
    EXPECT_GE(firstAfterReplacing, 3);
    EXPECT_EQ(first, firstAfterReplacing) << "the old handler is not called again";
    EXPECT_GE(second, 3);
}

TEST(ThreadedTimer, SyncEventDeliversOnTheUserInterfaceThread) {
    TThreadedTimer timer(nullptr);
    timer.SetInterval(20);
    std::atomic<int> ticks{0};
    std::atomic<int> elsewhere{0};
    timer.SetOnTimer([&](TComponent*) {
        ++ticks;
        if (!Application->IsMainThread()) ++elsewhere;
    });
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 5; }, 3000));
    EXPECT_EQ(elsewhere, 0);
}

TEST(ThreadedTimer, SyncEventTicksWaitForABlockedUserInterfaceThread) {
    TThreadedTimer timer(nullptr);
    timer.SetInterval(20);
    std::atomic<int> ticks{0};
    timer.SetOnTimer([&](TComponent*) { ++ticks; });
    Application->ProcessMessages();
    Sleep(400);
    EXPECT_LE(ticks, 1) << "ticks need the user-interface thread";
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 2000)) << "and resume when it handles messages";
}

TEST(ThreadedTimer, HiddenWindowTicksOnTheUserInterfaceThread) {
    TThreadedTimer timer(nullptr);
    timer.SetThreaded(false);
    timer.SetInterval(20);
    std::atomic<int> ticks{0};
    std::atomic<int> elsewhere{0};
    timer.SetOnTimer([&](TComponent*) {
        ++ticks;
        if (!Application->IsMainThread()) ++elsewhere;
    });
    EXPECT_NE(timer.WindowHandle(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 5; }, 3000));
    EXPECT_EQ(elsewhere, 0);
}

TEST(ThreadedTimer, SwitchingModesMovesTheTicks) {
    TWorkerTimer timer(20);
    std::atomic<int> onWorker{0};
    std::atomic<int> onInterface{0};
    timer.Timer->SetOnTimer([&](TComponent*) { ++(Application->IsMainThread() ? onInterface : onWorker); });
    EXPECT_TRUE(PumpUntil([&] { return onWorker >= 3; }, 3000));

    timer.Timer->SetThreaded(false);
    ASSERT_NE(timer.Timer->WindowHandle(), nullptr);
    PumpFor(60);  // a worker tick already under way may still end
    int workerTicks = onWorker;
    EXPECT_TRUE(PumpUntil([&] { return onInterface >= 3; }, 3000));
    EXPECT_EQ(onWorker, workerTicks) << "the worker is parked";

    timer.Timer->SetThreaded(true);
    EXPECT_EQ(timer.Timer->WindowHandle(), nullptr) << "the hidden window is gone";
    PumpFor(60);
    int interfaceTicks = onInterface;
    EXPECT_TRUE(PumpUntil([&] { return onWorker >= workerTicks + 3; }, 3000)) << "the worker runs again";
    EXPECT_EQ(onInterface, interfaceTicks);
}

int WorkerPriorityOf(TThreadedTimer& timer) {
    std::atomic<int> seen{THREAD_PRIORITY_ERROR_RETURN};
    timer.SetOnTimer([&](TComponent*) { seen = GetThreadPriority(GetCurrentThread()); });
    PumpUntil([&] { return seen != THREAD_PRIORITY_ERROR_RETURN; }, 3000);
    timer.SetOnTimer(nullptr);
    return seen;
}

TEST(ThreadedTimer, PriorityIsGivenToTheWorkerWhenItStarts) {
    TWorkerTimer timer(20);
    timer.Timer->SetThreadPriority(TThreadPriority::tpHighest);
    EXPECT_EQ(WorkerPriorityOf(*timer.Timer), THREAD_PRIORITY_HIGHEST);
}

TEST(ThreadedTimer, PriorityInTheHiddenWindowModeIsKeptForTheWorker) {
    TWorkerTimer timer(20);
    timer.Timer->SetThreaded(false);
    timer.Timer->SetThreadPriority(TThreadPriority::tpLowest);
    EXPECT_EQ(timer.Timer->ThreadPriority(), TThreadPriority::tpLowest);
    timer.Timer->SetThreaded(true);
    EXPECT_EQ(WorkerPriorityOf(*timer.Timer), THREAD_PRIORITY_LOWEST);
}

TEST(ThreadedTimer, HandlerChangingTheIntervalOnTheWorkerKeepsItRunning) {
    TWorkerTimer timer(20);
    std::atomic<int> ticks{0};
    timer.Timer->SetOnTimer([&](TComponent* sender) {
        auto self = static_cast<TThreadedTimer*>(sender);
        self->SetInterval(self->Interval() == 20 ? 25 : 20);
        ++ticks;
    });
    std::this_thread::sleep_for(600ms);
    EXPECT_GE(ticks, 8) << "about 26 ticks expected in 600 ms";
}

TEST(ThreadedTimer, HandlerSettingIntervalZeroOnTheWorkerStopsIt) {
    TWorkerTimer timer(20);
    std::atomic<int> ticks{0};
    timer.Timer->SetOnTimer([&](TComponent* sender) {
        if (++ticks == 3) static_cast<TThreadedTimer*>(sender)->SetInterval(0);
    });
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(ticks, 3);
}

TEST(ThreadedTimer, ReconfigurationDuringATickAppliesAfterIt) {
    TWorkerTimer timer(20);
    std::atomic<bool> inTick{false};
    std::atomic<int> finished{0};
    timer.Timer->SetOnTimer([&](TComponent*) {
        inTick = true;
        std::this_thread::sleep_for(200ms);
        ++finished;
        inTick = false;
    });
    ASSERT_TRUE(PumpUntil([&] { return inTick.load(); }, 3000));
    auto before = std::chrono::steady_clock::now();
    timer.Timer->SetEnabled(false);
    auto took = std::chrono::steady_clock::now() - before;
    EXPECT_LT(took, 100ms) << "the setter does not wait for the tick";
    std::this_thread::sleep_for(600ms);
    EXPECT_EQ(finished, 1) << "the tick ran to its end, and no other followed";
    EXPECT_FALSE(inTick);
}

TEST(ThreadedTimer, RaisingHandlerOnTheWorkerIsReportedOncePerTick) {
    TReportCounter reports;
    TWorkerTimer timer(20);
    std::atomic<int> raised{0};
    timer.Timer->SetOnTimer([&](TComponent*) {
        ++raised;
        throw Exception("tick failed");
    });
    std::this_thread::sleep_for(400ms);
    timer.Timer->SetEnabled(false);
    std::this_thread::sleep_for(100ms);
    EXPECT_GE(raised, 4) << "the ticks go on";
    EXPECT_EQ(reports.Count(), raised.load());
    EXPECT_EQ(reports.Others(), 0);
}

TEST(ThreadedTimer, AbortInAHandlerIsNeverReported) {
    TReportCounter reports;
    TWorkerTimer timer(20);
    std::atomic<int> raised{0};
    timer.Timer->SetOnTimer([&](TComponent*) {
        ++raised;
        throw EAbort();
    });
    std::this_thread::sleep_for(300ms);
    timer.Timer.reset();
    EXPECT_GE(raised, 3);
    EXPECT_EQ(reports.Count(), 0);
}

TEST(ThreadedTimer, RaisingSynchronizedHandlerReachesTheWorkerWhichGoesOn) {
    TReportCounter reports;
    TThreadedTimer timer(nullptr);
    timer.SetInterval(20);
    std::atomic<int> raised{0};
    timer.SetOnTimer([&](TComponent*) {
        ++raised;
        throw Exception("tick failed");
    });
    EXPECT_TRUE(PumpUntil([&] { return raised >= 4; }, 3000));
    timer.SetEnabled(false);
    PumpFor(100);
    EXPECT_EQ(reports.Count(), raised.load());
    EXPECT_EQ(MessageBoxesShown(), 0);
}

TEST(ThreadedTimer, RaisingHandlerInTheHiddenWindowModeIsReportedOncePerTick) {
    TReportCounter reports;
    TThreadedTimer timer(nullptr);
    timer.SetThreaded(false);
    timer.SetInterval(20);
    std::atomic<int> raised{0};
    timer.SetOnTimer([&](TComponent*) {
        ++raised;
        throw Exception("tick failed");
    });
    EXPECT_TRUE(PumpUntil([&] { return raised >= 4; }, 3000));
    EXPECT_EQ(reports.Count(), raised.load());
}

TEST(ThreadedTimer, CallSynchronizedFromTheWorkerRunsOnTheUserInterfaceThread) {
    TWorkerTimer timer(20);
    std::atomic<int> ranOnInterface{0};
    std::atomic<int> errorsBack{0};
    timer.Timer->SetOnTimer([&](TComponent* sender) {
        auto self = static_cast<TThreadedTimer*>(sender);
        self->CallSynchronized([&] {
            if (Application->IsMainThread()) ++ranOnInterface;
        });
        try {
            self->CallSynchronized([] { throw Exception("handed back"); });
        } catch (const Exception& error) {
            if (error.Message() == "handed back") ++errorsBack;
        }
    });
    EXPECT_TRUE(PumpUntil([&] { return errorsBack >= 3; }, 3000));
    EXPECT_GE(ranOnInterface, 3);
}

TEST(ThreadedTimer, CallSynchronizedOnTheUserInterfaceThreadRunsAtOnce) {
    TThreadedTimer timer(nullptr);
    bool ran = false;
    timer.CallSynchronized([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(ThreadedTimer, DestroyingDuringTheIntervalReturnsAtOnce) {
    auto timer = std::make_unique<TWorkerTimer>(1000);
    timer->Start();
    std::this_thread::sleep_for(100ms);
    auto before = std::chrono::steady_clock::now();
    timer.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 100ms);
}

TEST(ThreadedTimer, NoTickReachesTheHandlerAfterDestruction) {
    for (int round = 0; round < 10; ++round) {
        std::atomic<int> ticks{0};
        std::atomic<bool> destroyed{false};
        std::atomic<int> late{0};
        {
            TWorkerTimer timer(2);
            timer.Timer->SetOnTimer([&](TComponent*) {
                if (destroyed) ++late;
                ++ticks;
                std::this_thread::sleep_for(1ms);
            });
            std::this_thread::sleep_for(30ms);
        }
        destroyed = true;
        std::this_thread::sleep_for(30ms);
        EXPECT_EQ(late, 0) << "round " << round;
        EXPECT_GE(ticks, 1) << "round " << round;
    }
}

TEST(ThreadedTimer, DestroyingWhileATickWaitsForTheUserInterfaceThreadDoesNotDeadlock) {
    std::atomic<int> ran{0};
    auto timer = std::make_unique<TThreadedTimer>(nullptr);
    timer->SetInterval(10);
    timer->SetOnTimer([&](TComponent*) { ++ran; });
    Application->ProcessMessages();
    Sleep(100);  // the worker's tick now waits for this thread
    auto before = std::chrono::steady_clock::now();
    timer.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
    int ranAtDestruction = ran;
    PumpFor(100);
    EXPECT_EQ(ran, ranAtDestruction) << "the waiting tick was dropped, not delivered late";
}

TEST(ThreadedTimer, DestroyingWhileAWorkerHandlerWaitsForTheUserInterfaceThreadDoesNotDeadlock) {
    TReportCounter reports;
    std::atomic<int> calls{0};
    auto timer = std::make_unique<TWorkerTimer>(10);
    timer->Timer->SetOnTimer([&](TComponent* sender) {
        static_cast<TThreadedTimer*>(sender)->CallSynchronized([&] { ++calls; });
    });
    Application->ProcessMessages();
    Sleep(100);
    auto before = std::chrono::steady_clock::now();
    timer.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
    int callsAtDestruction = calls;
    PumpFor(100);
    EXPECT_EQ(calls, callsAtDestruction);
    EXPECT_EQ(reports.Count(), 0) << "the dropped call ends its tick silently";
}

TEST(ThreadedTimer, HandlerMayDestroyItsOwnTimer) {
    std::atomic<int> ticks{0};
    auto* timer = new TThreadedTimer(nullptr);
    timer->SetSyncEvent(false);
    timer->SetInterval(10);
    timer->SetOnTimer([&](TComponent* sender) {
        ++ticks;
        delete sender;
    });
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(ticks, 1);
}

}  // namespace
