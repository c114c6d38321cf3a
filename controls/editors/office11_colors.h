#pragma once
// The Office 2003 colour scheme, derived from the platform's colours at start-up and again after
// every change of system colours. The dialog does not use the Office 2003 kind; the scheme only
// has to be sound.
#include "toolkit/color.h"

struct TOffice11Colors {
    TColor SelectionBorder = clHighlight;
    TColor Disabled = clGrayText;
    TColor ButtonHot = clWindow;
    TColor ButtonPressed = clWindow;
    TColor ButtonDisabled = clBtnFace;
};

// Blend of button face, highlight and window per channel with these percentages, clamped, then
// the nearest colour the screen shows; with a pure black or white button face, the highlight.
COLORREF BlendSystemColors(int faceShare, int highlightShare, int windowShare);
COLORREF HotBlendColor();      // -2, 30, 72
COLORREF PressedBlendColor();  // 14, 44, 40

const TOffice11Colors& Office11Colors();
void RecomputeOffice11Colors();
