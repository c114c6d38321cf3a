#pragma once
// What both animation benchmarks set up: a shown dialog-like form with the busy animator as the
// dialog has it (AsyncDrawing, Animate, Stretch, busy.gif), and a message loop for a while.
#include <windows.h>

#include <memory>

#include "controls/animation/gif_animator.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

struct TBusyForm {
    // withAnimator false gives the same form without it, for comparison.
    explicit TBusyForm(bool withAnimator);
    std::unique_ptr<TForm> Form;
    TGIFAnimator* Busy = nullptr;
};

// Handles messages as the application's loop does, waiting without spinning, for this long.
void RunMessageLoopFor(DWORD milliseconds);
// Processor time (user and kernel) of this process so far, in milliseconds.
double ProcessorMilliseconds();
