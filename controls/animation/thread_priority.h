#pragma once
// The priorities a timer's worker thread can run at, and their operating-system values.

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The value SetThreadPriority takes for a priority: -15, -2, -1, 0, 1, 2, 15 in the order above.
int OsThreadPriority(TThreadPriority priority);
