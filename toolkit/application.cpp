#include "toolkit/application.h"

#include <objbase.h>

#include "toolkit/exception_report.h"
#include "toolkit/exceptions.h"
#include "toolkit/form.h"
#include "toolkit/message_box.h"
#include "toolkit/strings.h"

TApplication* Application = nullptr;

namespace {
constexpr wchar_t kApplicationClass[] = L"DbsetupApplication";
constexpr UINT WM_RUN_QUEUED_CALLS = WM_APP + 1;
}  // namespace

TApplication::TApplication() : FMainThreadId(GetCurrentThreadId()) { Application = this; }

TApplication::~TApplication() {
    if (FHandle) DestroyWindow(FHandle);
    if (FComInitialized) CoUninitialize();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    FComInitialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TApplication::WindowProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
    wc.lpszClassName = kApplicationClass;
    RegisterClassExW(&wc);
    // The application's own window: shown with no size, it owns the forms and carries the
    // task-bar button with the title and icon; it also wakes the user-interface thread for
    // calls handed over from other threads.
    FHandle = CreateWindowExW(0, kApplicationClass, AnsiToWide(FTitle).c_str(),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, 0, 0, 0, 0,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

void TApplication::SetTitle(std::string title) {
    FTitle = std::move(title);
    if (FHandle) SetWindowTextW(FHandle, AnsiToWide(FTitle).c_str());
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Application) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_RUN_QUEUED_CALLS:
        Application->RunQueuedCalls();
        return 0;
    case WM_ACTIVATE:  // the task-bar button: the main form takes the activation
        if (LOWORD(wParam) != WA_INACTIVE && Application->FMainForm && Application->FMainForm->Visible())
            SetActiveWindow(Application->FMainForm->Handle());
        return 0;
    case WM_CLOSE:  // closing from the task bar closes the main form
        if (Application->FMainForm) PostMessageW(Application->FMainForm->Handle(), WM_CLOSE, 0, 0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void TApplication::Run() {
    if (FMainForm) FMainForm->ShowForm();
    while (!Terminated()) HandleMessage();
}

void TApplication::Terminate() {
    FTerminated = true;
    if (IsMainThread())
        PostQuitMessage(0);
    else
        PostThreadMessageW(FMainThreadId, WM_QUIT, 0, 0);
}

bool TApplication::HandleMessage() {
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        FTerminated = true;
        return false;
    }
    Dispatch(message);
    return true;
}

void TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            FTerminated = true;
            return;
        }
        Dispatch(message);
    }
}

void TApplication::Dispatch(MSG& message) {
    if (IsDialogKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// A key the focused control does not handle itself is offered to its form first; so is an
// Alt+character, as an accelerator.
bool TApplication::IsDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSCHAR) return false;
    TWinControl* target = TWinControl::FromHandle(message.hwnd);
    if (!target) return false;
    if (message.message == WM_KEYDOWN && target->WantsKey(static_cast<UINT>(message.wParam))) return false;
    TForm* form = target->ParentForm();
    if (!form || !IsWindowEnabled(form->Handle())) return false;
    try {
        if (message.message == WM_SYSCHAR) return form->DialogChar(static_cast<wchar_t>(message.wParam));
        return form->DialogKey(static_cast<UINT>(message.wParam));
    } catch (const std::exception& error) {
        HandleException(error);
        return true;
    }
}

void TApplication::HandleException(const std::exception& error) {
    if (dynamic_cast<const EAbort*>(&error)) return;
    if (OnException)
        OnException(error);
    else
        ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
    ShowMessageBox(ExceptionReportText(error.what()), FTitle, MB_ICONSTOP);
}

void TApplication::Synchronize(const std::function<void()>& call) {
    if (IsMainThread()) {
        call();
        return;
    }
    TSyncCall pending{&call, nullptr};
    {
        std::lock_guard guard(FSyncLock);
        FSyncQueue.push_back(&pending);
    }
    PostMessageW(FHandle, WM_RUN_QUEUED_CALLS, 0, 0);
    std::unique_lock lock(FSyncLock);
    FSyncDone.wait(lock, [&] { return pending.Done; });
    if (pending.Error) std::rethrow_exception(pending.Error);
}

void TApplication::RunQueuedCalls() {
    for (;;) {
        TSyncCall* pending;
        {
            std::lock_guard guard(FSyncLock);
            if (FSyncQueue.empty()) return;
            pending = FSyncQueue.front();
            FSyncQueue.pop_front();
        }
        try {
            (*pending->Call)();
        } catch (...) {
            pending->Error = std::current_exception();
        }
        {
            std::lock_guard guard(FSyncLock);
            pending->Done = true;
        }
        FSyncDone.notify_all();
    }
}
