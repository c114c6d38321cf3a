#pragma once
// The one application object of an animation test program (created before the first test), and
// waiting on the user-interface thread while its messages are handled.
#include <windows.h>

#include <functional>

// Handles messages until done() holds or timeoutMs have passed; true when done() held.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);
// Handles messages for this long.
void PumpFor(int milliseconds);
// The message boxes shown since the program started (an escaped report would be one).
int MessageBoxesShown();
