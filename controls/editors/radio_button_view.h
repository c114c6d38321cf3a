#pragma once
// What one radio button paints, computed from its state before every paint, and the pixel work
// that paints it.
#include <functional>
#include <string>

#include "controls/editors/look_and_feel_painter.h"

enum class THoverState { hsDisabled, hsHot, hsNormal, hsPressed };

// The painter's button state for a hover state: disabled 4, hot 2, normal 1, pressed 3.
TButtonState ButtonStateOf(THoverState hover);

struct TRadioButtonViewInfo {
    const TLookAndFeelPainter* Painter = nullptr;
    TRect Bounds;
    TRect Glyph;
    TRect Caption;  // the text area right of the glyph
    THoverState Hover = THoverState::hsNormal;
    bool Checked = false;
    bool Focused = false;
    bool Transparent = false;
    bool WordWrap = false;
    TColor Color = clBtnFace;      // behind the glyph and the text when not transparent
    TColor TextColor = clWindowText;
    bool operator==(const TRadioButtonViewInfo&) const = default;
};

// Glyph at the left edge (1 pixel in when not native), centred vertically; the caption to its
// right narrowed by the margins.
TRadioButtonViewInfo LayoutRadioButton(const TLookAndFeelPainter& painter, TRect bounds, bool wordWrap);

// background: paints what lies under the button when it is transparent.
void PaintRadioButton(TCanvas& canvas, const TRadioButtonViewInfo& view, const std::wstring& caption,
                      const std::function<void(HDC)>& background);
