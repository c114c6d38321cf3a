#include "controls/animation/thread_priority.h"

#include <windows.h>

#include <array>

int OsThreadPriority(TThreadPriority priority) {
    static constexpr std::array<int, 7> values = {
        THREAD_PRIORITY_IDLE,          // tpIdle
        THREAD_PRIORITY_LOWEST,        // tpLowest
        THREAD_PRIORITY_BELOW_NORMAL,  // tpLower
        THREAD_PRIORITY_NORMAL,        // tpNormal
        THREAD_PRIORITY_ABOVE_NORMAL,  // tpHigher
        THREAD_PRIORITY_HIGHEST,       // tpHighest
        THREAD_PRIORITY_TIME_CRITICAL, // tpTimeCritical
    };
    return values.at(static_cast<std::size_t>(priority));
}
