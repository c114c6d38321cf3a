#include "controls/animation/timer_thread.h"

#include <process.h>

#include <chrono>
#include <string>

#include "controls/animation/threaded_timer.h"
#include "toolkit/application.h"
#include "toolkit/exceptions.h"

std::shared_ptr<TTimerThread> TTimerThread::Create(TThreadedTimer* owner) {
    std::shared_ptr<TTimerThread> worker(new TTimerThread(owner));
    // The thread keeps the worker alive until it ends. It starts suspended so that its handle
    // and identity are known before it runs, without waiting for it to come up.
    auto held = std::make_unique<std::shared_ptr<TTimerThread>>(worker);
    unsigned id = 0;
    auto handle = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &TTimerThread::ThreadMain, held.get(), CREATE_SUSPENDED, &id));
    if (!handle) throw Exception("Cannot start the timer thread");
    held.release();
    worker->FHandle = handle;
    worker->FWorkerId = id;
    ResumeThread(handle);
    return worker;
}

unsigned __stdcall TTimerThread::ThreadMain(void* held) {
    std::unique_ptr<std::shared_ptr<TTimerThread>> worker(static_cast<std::shared_ptr<TTimerThread>*>(held));
    (*worker)->Execute();
    return 0;
}

TTimerThread::~TTimerThread() {
    if (FHandle) CloseHandle(FHandle);
}

bool TTimerThread::Parked() const {
    std::lock_guard lock(FLock);
    return FParks > 0;
}

void TTimerThread::Park() {
    std::lock_guard lock(FLock);
    ++FParks;
}

void TTimerThread::Restart() {
    {
        std::lock_guard lock(FLock);
        FParks = 0;
    }
    FWake.notify_all();
}

void TTimerThread::SetInterval(unsigned milliseconds) {
    std::lock_guard lock(FLock);
    FInterval = milliseconds;
}

void TTimerThread::SetPriority(TThreadPriority priority) {
    if (!SetThreadPriority(FHandle, OsThreadPriority(priority)))
        throw Exception("Cannot set the timer thread's priority (error " + std::to_string(GetLastError()) + ")");
}

void TTimerThread::Synchronize(const std::function<void()>& call) {
    {
        std::lock_guard lock(FLock);
        if (!FOwner) throw EAbort();
        FCallHandedOver = true;
    }
    FWake.notify_all();
    Application->Synchronize([&] {
        {
            std::lock_guard lock(FLock);
            FCallHandedOver = false;
            if (!FOwner) throw EAbort();
        }
        call();
    });
}

void TTimerThread::Terminate() {
    std::unique_lock lock(FLock);
    FOwner = nullptr;
    FEndRequested = true;
    FParks = 0;
    FWake.notify_all();
    DWORD caller = GetCurrentThreadId();
    if (caller == FWorkerId || caller == FHandlerThread) return;  // called from the tick itself
    while (FTickRunning) {
        if (FCallHandedOver && Application && Application->IsMainThread())
            ServeHandedOverCalls(lock);
        else
            FWake.wait(lock);
    }
}

// The tick waits for this (the user-interface) thread: run its call here, which raises EAbort in
// the tick because the owner is gone.
void TTimerThread::ServeHandedOverCalls(std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    Application->RunQueuedCalls();
    lock.lock();
    // Announced but not queued yet: look again in a moment.
    if (FCallHandedOver) FWake.wait_for(lock, std::chrono::milliseconds(1));
}

void TTimerThread::Execute() {
    unsigned interval = 0;
    while (WaitWhileParked(interval) && Sleep(interval)) DeliverTick();
}

bool TTimerThread::WaitWhileParked(unsigned& interval) {
    std::unique_lock lock(FLock);
    FWake.wait(lock, [this] { return FParks == 0 || FEndRequested; });
    interval = FInterval;
    return !FEndRequested;
}

// A plain sleep: only the end request cuts it short, so the thread ends without delay once its
// timer is gone. Parking and new intervals wait for it to run out.
bool TTimerThread::Sleep(unsigned milliseconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    std::unique_lock lock(FLock);
    return !FWake.wait_until(lock, deadline, [this] { return FEndRequested; });
}

bool TTimerThread::Closed() const {
    return FEndRequested || !FOwner || !Application || Application->Terminated();
}

void TTimerThread::DeliverTick() {
    bool synchronized = false;
    {
        std::lock_guard lock(FLock);
        if (Closed() || FParks > 0 || !FOwner->Enabled()) return;
        synchronized = FOwner->SyncEvent();
        FTickRunning = true;
    }
    std::exception_ptr error;
    try {
        if (synchronized)
            Synchronize([this] { RunTick(); });
        else
            RunTick();
    } catch (...) {
        error = std::current_exception();
    }
    {
        std::lock_guard lock(FLock);
        FTickRunning = false;
    }
    FWake.notify_all();
    if (error) ReportTickError(error);
}

void TTimerThread::RunTick() {
    TThreadedTimer* owner = nullptr;
    {
        std::lock_guard lock(FLock);
        if (!FOwner) throw EAbort();
        owner = FOwner;
        FHandlerThread = GetCurrentThreadId();
    }
    struct THandlerDone {
        TTimerThread& Worker;
        ~THandlerDone() {
            std::lock_guard lock(Worker.FLock);
            Worker.FHandlerThread = 0;
        }
    } done{*this};
    owner->Tick();
}

// The worker reports on its own thread: handing the report over would stop the ticks while the
// user-interface thread is blocked. EAbort stays silent (HandleException knows it).
void TTimerThread::ReportTickError(const std::exception_ptr& error) {
    if (!Application) return;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& known) {
        Application->HandleException(known);
    } catch (...) {
        Application->HandleException(Exception("Unknown error in a timer tick"));
    }
}
