// Once the application has been asked to terminate, a timer's worker delivers no more ticks. In a
// program of its own: the request cannot be taken back.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "controls/animation/threaded_timer.h"
#include "toolkit/application.h"

namespace {

using namespace std::chrono_literals;

TEST(ThreadedTimerTermination, NoTickAfterTheApplicationWasAskedToTerminate) {
    TApplication application;
    application.Initialize();
    TThreadedTimer timer(nullptr);
    timer.SetSyncEvent(false);
    timer.SetInterval(10);
    std::atomic<int> ticks{0};
    timer.SetOnTimer([&](TComponent*) { ++ticks; });
    std::this_thread::sleep_for(200ms);
    ASSERT_GE(ticks, 3);
    application.Terminate();
    std::this_thread::sleep_for(30ms);  // a tick already under way ends
    int atTermination = ticks;
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(ticks, atTermination);
    timer.SetInterval(20);  // whatever the settings
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(ticks, atTermination);
}

}  // namespace
