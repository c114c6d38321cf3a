#include "controls/animation/threaded_timer.h"

#include "controls/animation/timer_thread.h"
#include "toolkit/application.h"
#include "toolkit/exceptions.h"

namespace {

constexpr wchar_t kHiddenWindowClass[] = L"DbsetupThreadedTimer";
constexpr UINT_PTR kTimerId = 1;

void RegisterHiddenWindowClass(WNDPROC procedure) {
    static std::once_flag registered;
    std::call_once(registered, [procedure] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kHiddenWindowClass;
        RegisterClassExW(&wc);
    });
}

}  // namespace

TThreadedTimer::TThreadedTimer(TComponent* owner) : TComponent(owner), FWorker(TTimerThread::Create(this)) {}

TThreadedTimer::~TThreadedTimer() {
    MarkDestroying();
    FEnabled = false;  // a tick that has not reached Tick yet delivers nothing
    {
        std::lock_guard lock(FHandlerLock);
        FOnTimer.reset();
    }
    FWorker->Terminate();
    DestroyHiddenWindow();
}

void TThreadedTimer::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    ApplySettings();
}

void TThreadedTimer::SetInterval(unsigned milliseconds) {
    if (milliseconds == FInterval) return;
    FInterval = milliseconds;
    ApplySettings();
}

void TThreadedTimer::SetOnTimer(TNotifyEvent handler) {
    bool assigned = static_cast<bool>(handler);
    bool wasAssigned = false;
    {
        std::lock_guard lock(FHandlerLock);
        wasAssigned = FOnTimer != nullptr;
        FOnTimer = assigned ? std::make_shared<const TNotifyEvent>(std::move(handler)) : nullptr;
    }
    if (assigned != wasAssigned) ApplySettings();
}

bool TThreadedTimer::HasHandler() const {
    std::lock_guard lock(FHandlerLock);
    return FOnTimer != nullptr;
}

void TThreadedTimer::SetThreaded(bool threaded) {
    if (threaded == FThreaded) return;
    FThreaded = threaded;
    ApplySettings();
}

void TThreadedTimer::SetThreadPriority(TThreadPriority priority) {
    if (priority == FPriority) return;
    FPriority = priority;
    if (FThreaded) ApplySettings();
}

void TThreadedTimer::CallSynchronized(const std::function<void()>& method) {
    if (!Application || Application->IsMainThread()) {
        method();
        return;
    }
    FWorker->Synchronize(method);
}

void TThreadedTimer::Tick() {
    if (!FEnabled) return;
    std::shared_ptr<const TNotifyEvent> handler;
    {
        std::lock_guard lock(FHandlerLock);
        handler = FOnTimer;
    }
    if (handler) (*handler)(this);
}

bool TThreadedTimer::ShouldRun() const { return FInterval != 0 && FEnabled && HasHandler(); }

void TThreadedTimer::ApplySettings() {
    std::lock_guard lock(FSettingsLock);
    if (FThreaded)
        ApplyWorkerSettings();
    else
        ApplyWindowSettings();
}

void TThreadedTimer::ApplyWorkerSettings() {
    DestroyHiddenWindow();
    if (!FWorker->Parked()) FWorker->Park();
    FWorker->SetInterval(FInterval);
    if (!ShouldRun()) return;
    FWorker->SetPriority(FPriority);
    FWorker->Restart();
}

void TThreadedTimer::ApplyWindowSettings() {
    if (!FWorker->Parked()) FWorker->Park();
    if (FWindow) {
        KillTimer(FWindow, kTimerId);
    } else {
        RegisterHiddenWindowClass(&TThreadedTimer::HiddenWindowProcedure);
        FWindow = CreateWindowExW(0, kHiddenWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        if (!FWindow) throw EOutOfResources("Error creating window");
        SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    if (ShouldRun() && SetTimer(FWindow, kTimerId, FInterval, nullptr) == 0)
        throw EOutOfResources("Not enough timers available");
}

void TThreadedTimer::DestroyHiddenWindow() {
    if (!FWindow) return;
    KillTimer(FWindow, kTimerId);
    DestroyWindow(FWindow);
    FWindow = nullptr;
}

LRESULT CALLBACK TThreadedTimer::HiddenWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto timer = reinterpret_cast<TThreadedTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != WM_TIMER || wParam != kTimerId || !timer) return DefWindowProcW(window, message, wParam, lParam);
    try {
        timer->Tick();
    } catch (const std::exception& error) {
        if (Application) Application->HandleException(error);
    }
    return 0;
}
