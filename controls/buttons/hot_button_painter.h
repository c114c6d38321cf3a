#pragma once
// The command buttons' pixel work, read from the view computed before the paint: the frame and
// face in the hot-tracking, themed or classic style, the down pattern, and the caption text.
#include "controls/buttons/hot_button_view.h"
#include "toolkit/canvas.h"

class TBitmap;

void PaintFrameAndFace(TCanvas& canvas, const THotButtonView& view);
// Fills r with the 8 x 8 pattern as a brush.
void FillWithPattern(TCanvas& canvas, const TRect& r, const TBitmap& pattern);
// The caption placed vertically in its area, with the copies of its text style.
void DrawCaptionText(TCanvas& canvas, const TCaptionTextView& view);
