#pragma once
// The application object: title, main form, the message loop with its dialog-key handling,
// the terminate request, the report of exceptions that escape a handler, and calls handed over
// from other threads to the user-interface thread.
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

class TForm;

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // COM for this thread (single-threaded apartment) and the application's hidden window.
    void Initialize();

    const std::string& Title() const { return FTitle; }  // ANSI code page
    void SetTitle(std::string title);
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* form) { FMainForm = form; }
    HWND Handle() const { return FHandle; }

    // Shows the main form and handles messages until the application is told to terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated.load(); }
    // Handles every message waiting now, then returns.
    void ProcessMessages();

    // Reports an exception that escaped a handler: OnException when set, else ShowException.
    // EAbort is silent.
    void HandleException(const std::exception& error);
    void ShowException(const std::exception& error);
    std::function<void(const std::exception&)> OnException;

    // Runs call on the user-interface thread and waits for it; its exception is raised again
    // here. On the user-interface thread the call runs at once.
    void Synchronize(const std::function<void()>& call);
    bool IsMainThread() const { return GetCurrentThreadId() == FMainThreadId; }
    // Runs the calls other threads have handed over, now (on the user-interface thread): for a
    // wait on that thread that another thread's handed-over call must not block.
    void RunQueuedCalls();

private:
    struct TSyncCall {
        const std::function<void()>* Call;
        std::exception_ptr Error;
        bool Done = false;
    };
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMessage();
    void Dispatch(MSG& message);
    bool IsDialogKey(const MSG& message);

    std::string FTitle;
    TForm* FMainForm = nullptr;
    HWND FHandle = nullptr;
    DWORD FMainThreadId;
    std::atomic<bool> FTerminated{false};
    bool FComInitialized = false;
    std::mutex FSyncLock;
    std::condition_variable FSyncDone;
    std::deque<TSyncCall*> FSyncQueue;
};

extern TApplication* Application;
