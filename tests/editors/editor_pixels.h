#pragma once
// Pixels of real windows: a windowed control painted through WM_PRINTCLIENT into a memory
// bitmap, and the box of its window region.
#include <windows.h>

#include "tests/animation/pixels.h"
#include "toolkit/win_control.h"

TPixels PrintedPixels(TWinControl& control);
// The bounding box of the window's region; an empty rectangle when it has none.
RECT WindowRegionBox(HWND window);
