// Start-up time: from creating the process to its first complete paint, for the dialog and for
// a minimal window with as many native controls. A start counts as painted once its window is
// visible, has handled everything sent to it, and neither it nor any child window has anything
// left to paint. (WaitForInputIdle does not serve: under Wine it returns while COM starts up.)
// Each program runs in a folder of its own, several times in turn; medians and their ratio
// are printed.
//
//   startup_bench.exe <dbsetup.exe> <its caption> <minimal_dialog.exe> <its caption> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/startup/painted_window.h"

namespace {

double StartOnce(const std::wstring& program, const std::wstring& caption) {
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    ParkPointer();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fwprintf(stderr, L"cannot start %ls (%lu)\n", program.c_str(), GetLastError());
        std::exit(1);
    }
    WaitUntilPainted(caption);
    QueryPerformanceCounter(&end);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Milliseconds(start, end);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fwprintf(stderr, L"usage: startup_bench <dbsetup.exe> <caption> <minimal_dialog.exe> <caption> [runs]\n");
        return 2;
    }
    int runs = argc > 5 ? _wtoi(argv[5]) : 11;
    std::vector<double> dialog, minimal;
    StartOnce(argv[1], argv[2]);  // warm the file cache and the Wine server once for each
    StartOnce(argv[3], argv[4]);
    for (int i = 0; i < runs; ++i) {
        dialog.push_back(StartOnce(argv[1], argv[2]));
        minimal.push_back(StartOnce(argv[3], argv[4]));
    }
    double d = Median(dialog), m = Median(minimal);
    std::printf("dialog  start to first paint: median %.1f ms (min %.1f, max %.1f)\n", d,
                *std::min_element(dialog.begin(), dialog.end()), *std::max_element(dialog.begin(), dialog.end()));
    std::printf("minimal start to first paint: median %.1f ms (min %.1f, max %.1f)\n", m,
                *std::min_element(minimal.begin(), minimal.end()),
                *std::max_element(minimal.begin(), minimal.end()));
    std::printf("ratio dialog / minimal: %.2f (goal: at most 1.2)\n", d / m);
    return 0;
}
