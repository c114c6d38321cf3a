#pragma once
// Waiting for another program's window to be completely painted, and the median of timings:
// shared by the start-up and the repaint benchmarks.
#include <windows.h>

#include <string>
#include <vector>

// The visible top-level window with this caption that has handled everything sent to it and
// has nothing left to paint, neither itself nor any child window; null while there is none.
HWND PaintedWindow(const std::wstring& caption);
// Waits up to 30 s for PaintedWindow; null when it never came.
HWND WaitUntilPainted(const std::wstring& caption);

// Moves the pointer to the screen's corner, away from both programs' windows: a window that
// opens under the pointer would otherwise also paint its hover state, and only the dialog has one.
// (Under Wine the X pointer stays where it is; this moves Wine's idea of it, which is what a new
// window is tested against. It holds once Wine's desktop runs, so call it before every start.)
void ParkPointer();

double Median(std::vector<double> values);
double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end);
