#pragma once
// The predefined kinds of a bitmap button: standard caption, modal result, Default and Cancel,
// and the two-image glyph (normal, disabled) each kind shows.
#include <string>

#include "controls/buttons/button_types.h"

class TBitmap;

struct TBitBtnKindInfo {
    TBitBtnKind Kind;
    const wchar_t* Caption;
    TModalResult Result;
    bool IsDefault;
    bool IsCancel;
};

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind);
// Draws the kind's glyph: two square images side by side, the second greyed; the bottom-left
// pixel holds the transparent colour. bkCustom has none (the bitmap is emptied).
void BuildKindGlyph(TBitBtnKind kind, TBitmap& glyph);
