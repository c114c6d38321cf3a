#pragma once
// The worker thread of a TThreadedTimer: waits its interval, then delivers one tick, on itself or
// handed to the user-interface thread. Parking and restarting only change counters the worker
// reads between ticks, so a worker is never stopped in the middle of a tick, and a handler that
// reconfigures its own timer from the worker cannot leave it parked by accident.
//
// The timer and the worker thread share this object; the thread holds it until it ends, so the
// worker frees itself. The owner is forgotten (under the lock) when the timer is destroyed, and
// every tick starts by checking it under the same lock.
#include <windows.h>

#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

#include "controls/animation/thread_priority.h"

class TThreadedTimer;

class TTimerThread : public std::enable_shared_from_this<TTimerThread> {
public:
    // Starts the thread, parked once, with an interval of 1000 ms.
    static std::shared_ptr<TTimerThread> Create(TThreadedTimer* owner);
    ~TTimerThread();
    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

    bool Parked() const;
    // Parking nests: each Park needs a restart. A tick under way finishes first.
    void Park();
    // Undoes every outstanding Park.
    void Restart();
    // Used from the next wait on; a wait under way runs to its end.
    void SetInterval(unsigned milliseconds);
    // Raises Exception when the thread layer refuses.
    void SetPriority(TThreadPriority priority);
    bool IsWorkerThread() const { return GetCurrentThreadId() == FWorkerId; }

    // Runs call on the user-interface thread while this thread waits; the call's exception is
    // raised again here. Raises EAbort instead of running it once the owner is gone.
    void Synchronize(const std::function<void()>& call);

    // The owner is being destroyed: forget it and tell the thread to end. Returns at once unless
    // a tick is under way on another thread; then it waits for that tick (running the calls the
    // tick hands to the user-interface thread meanwhile, so the two cannot wait for each other).
    void Terminate();

private:
    explicit TTimerThread(TThreadedTimer* owner) : FOwner(owner) {}
    static unsigned __stdcall ThreadMain(void* held);
    void Execute();
    bool WaitWhileParked(unsigned& interval);
    bool Sleep(unsigned milliseconds);
    void DeliverTick();
    void RunTick();
    void ReportTickError(const std::exception_ptr& error);
    void ServeHandedOverCalls(std::unique_lock<std::mutex>& lock);
    bool Closed() const;

    mutable std::mutex FLock;
    std::condition_variable FWake;
    TThreadedTimer* FOwner;
    unsigned FInterval = 1000;
    int FParks = 1;
    bool FEndRequested = false;
    bool FTickRunning = false;   // the worker is in a tick (on itself or handed over)
    bool FCallHandedOver = false;  // that tick waits for the user-interface thread
    DWORD FWorkerId = 0;
    DWORD FHandlerThread = 0;  // the thread running the handler now, if any
    HANDLE FHandle = nullptr;
};
