#pragma once
// A timer that delivers OnTimer every Interval milliseconds. In the worker mode (Threaded, the
// default) a TTimerThread of its own waits the interval and then delivers the tick: handed to the
// user-interface thread and waited for (SyncEvent, the default), or on the worker itself, where it
// keeps coming while the user-interface thread is blocked. In the hidden-window mode the tick
// comes from the operating system's timer 1 on a hidden window of the thread that set it up.
//
// Enabled, Interval, Threaded, a priority change in the worker mode, and OnTimer changing between
// none and some reconfigure the timer: the worker is parked, takes the new interval and is
// restarted when the interval is not 0, the timer is enabled and a handler is assigned.
// Reconfiguring from a handler on the worker is safe: the worker finishes its tick, then goes on
// with the new settings. The destructor does not wait for the worker's interval; it waits only
// for a tick under way on another thread, and no tick reaches the handler after it returned.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "controls/animation/thread_priority.h"
#include "toolkit/component.h"

class TTimerThread;

class TThreadedTimer : public TComponent {
public:
    explicit TThreadedTimer(TComponent* owner);
    ~TThreadedTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned milliseconds);
    // Replacing one handler by another takes effect at the next tick, without reconfiguring.
    void SetOnTimer(TNotifyEvent handler);
    bool HasHandler() const;
    // Read by the worker at every tick.
    bool SyncEvent() const { return FSyncEvent; }
    void SetSyncEvent(bool value) { FSyncEvent = value; }
    bool Threaded() const { return FThreaded; }
    void SetThreaded(bool threaded);
    TThreadPriority ThreadPriority() const { return FPriority; }
    // In the hidden-window mode only kept: the worker gets it when next started.
    void SetThreadPriority(TThreadPriority priority);

    // Runs method on the user-interface thread and waits for it, its exception raised again
    // here. On the user-interface thread it runs at once. From any other thread once the timer is
    // being destroyed it raises EAbort instead, which a tick ends with silently.
    void CallSynchronized(const std::function<void()>& method);

    // One tick: OnTimer with this timer as sender, if enabled, not being destroyed and assigned.
    void Tick();

    // The hidden window, null in the worker mode.
    HWND WindowHandle() const { return FWindow; }

private:
    void ApplySettings();
    void ApplyWorkerSettings();
    void ApplyWindowSettings();
    bool ShouldRun() const;
    void DestroyHiddenWindow();
    static LRESULT CALLBACK HiddenWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::atomic<bool> FEnabled{true};
    std::atomic<unsigned> FInterval{1000};
    std::atomic<bool> FSyncEvent{true};
    std::atomic<bool> FThreaded{true};
    TThreadPriority FPriority = TThreadPriority::tpNormal;
    // Copied under the lock at each tick, so replacing it never pulls it from under a running tick.
    mutable std::mutex FHandlerLock;
    std::shared_ptr<const TNotifyEvent> FOnTimer;
    // ApplySettings runs on the user-interface thread and, from a handler, on the worker.
    std::recursive_mutex FSettingsLock;
    HWND FWindow = nullptr;
    std::shared_ptr<TTimerThread> FWorker;
};
