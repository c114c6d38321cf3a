#pragma once
// Drawing a bitmap so that its pixels of one colour let the destination show through.
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"

// Draws the source rectangle of bitmap stretched into (left, top, width, height) of destination.
// A width or height below 1 means the bitmap's; a source rectangle with a width or height below 1
// means the whole bitmap. With clNone it is a plain copy. Otherwise every destination pixel whose
// source pixel has the transparent colour keeps its colour and all others are replaced; clDefault
// stands for the colour of the bitmap's bottom-left pixel. Scaling picks the nearest source pixel
// (no blending), so no mixed colour can hide or invent a transparent pixel. The bitmap's canvas
// lock is held throughout.
void StretchDrawTransparent(TCanvas& destination, int left, int top, int width, int height, const TRect& source,
                            TBitmap& bitmap, TColor transparentColor);
