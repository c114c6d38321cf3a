// Full repaint: the dialog and the minimal window, both running, are each made to repaint
// everything (RedrawWindow with erase, all children, at once) and timed until neither the window
// nor any child has anything left to paint. The two take turns in one run; medians, the spread
// and their ratio are printed.
//
//   repaint_bench.exe <dbsetup.exe> <its caption> <minimal_dialog.exe> <its caption> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/startup/painted_window.h"

namespace {

PROCESS_INFORMATION Start(const std::wstring& program) {
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fwprintf(stderr, L"cannot start %ls (%lu)\n", program.c_str(), GetLastError());
        std::exit(1);
    }
    return process;
}

void Stop(PROCESS_INFORMATION& process) {
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

double RepaintOnce(HWND window, const std::wstring& caption) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WaitUntilPainted(caption);
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

void Report(const char* name, const std::vector<double>& times) {
    std::printf("%s full repaint: median %.2f ms (min %.2f, max %.2f)\n", name, Median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fwprintf(stderr, L"usage: repaint_bench <dbsetup.exe> <caption> <minimal_dialog.exe> <caption> [runs]\n");
        return 2;
    }
    int runs = argc > 5 ? _wtoi(argv[5]) : 101;
    PROCESS_INFORMATION dialogProcess = Start(argv[1]);
    PROCESS_INFORMATION minimalProcess = Start(argv[3]);
    HWND dialog = WaitUntilPainted(argv[2]);
    HWND minimal = WaitUntilPainted(argv[4]);
    if (!dialog || !minimal) {
        std::fprintf(stderr, "a window never finished its first paint\n");
        return 1;
    }
    ParkPointer();
    std::vector<double> dialogTimes, minimalTimes;
    RepaintOnce(dialog, argv[2]);  // warm up both once
    RepaintOnce(minimal, argv[4]);
    for (int i = 0; i < runs; ++i) {
        dialogTimes.push_back(RepaintOnce(dialog, argv[2]));
        minimalTimes.push_back(RepaintOnce(minimal, argv[4]));
    }
    Stop(dialogProcess);
    Stop(minimalProcess);
    Report("dialog ", dialogTimes);
    Report("minimal", minimalTimes);
    std::printf("ratio dialog / minimal: %.2f (goal: at most 1.5)\n", Median(dialogTimes) / Median(minimalTimes));
    return 0;
}
