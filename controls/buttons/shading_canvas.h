#pragma once
// The drawing primitives the buttons paint their shades with: vertical colour runs and
// two-pixel gradient rings drawn from an off-screen strip, the dotted focus rectangle, the
// parent's image behind see-through corners, and whether the screen shows gradients at all.
#include <windows.h>

#include <initializer_list>
#include <optional>

#include "toolkit/canvas.h"
#include "toolkit/control.h"

// True when the screen shows more than 256 colours; read once at program start.
bool FullColorDisplay();
// Test seam: paint as if the screen said so (std::nullopt: what the screen said).
void SetFullColorDisplayForTesting(std::optional<bool> full);

// Fills r with one drawing operation; nothing for an empty rectangle or clNone.
void FillSolid(HDC dc, const TRect& r, TColor color);
// Fills every rectangle of rects with one brush of the colour.
void FillSolid(HDC dc, std::initializer_list<TRect> rects, TColor color);
// The colour run from bottom to top over r (see vertical_blend.h), drawn in one operation from
// an off-screen bitmap whose 8-pixel strip is copied across its width.
void FillVerticalBlend(TCanvas& canvas, const TRect& r, TColor top, TColor bottom);
// The same run on the outer two pixels of r only; nothing without FullColorDisplay.
void FillBlendRing(TCanvas& canvas, const TRect& r, TColor top, TColor bottom);
// Every other pixel of r's outline in black, starting one pixel in from each corner.
void DrawDottedFocus(TCanvas& canvas, const TRect& r);
// The parent's background and own painting, as they lie behind control, painted into dc
// (which has its origin at the control's top-left); the clipping already set on dc applies.
void PaintParentBehind(TControl& control, HDC dc);
