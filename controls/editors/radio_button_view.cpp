#include "controls/editors/radio_button_view.h"

TButtonState ButtonStateOf(THoverState hover) {
    switch (hover) {
    case THoverState::hsDisabled: return TButtonState::cxbsDisabled;
    case THoverState::hsHot: return TButtonState::cxbsHot;
    case THoverState::hsPressed: return TButtonState::cxbsPressed;
    case THoverState::hsNormal: break;
    }
    return TButtonState::cxbsNormal;
}

TRadioButtonViewInfo LayoutRadioButton(const TLookAndFeelPainter& painter, TRect bounds, bool wordWrap) {
    TRadioButtonViewInfo view;
    view.Painter = &painter;
    view.WordWrap = wordWrap;
    view.Bounds = bounds;
    SIZE glyph = painter.RadioButtonSize();
    int left = bounds.Left + (painter.Native() ? 0 : 1);
    int top = bounds.Top + (bounds.Height() - glyph.cy) / 2;
    view.Glyph = TRect{left, top, left + glyph.cx, top + glyph.cy};
    // Caption margins (left, top, right, bottom): native (3, -1, 0, 0), not native (5, -1, 0, 0),
    // not native with word wrap (5, -1, 2, 0).
    int leftMargin = painter.Native() ? 3 : 5;
    int rightMargin = wordWrap && !painter.Native() ? 2 : 0;
    view.Caption = TRect{view.Glyph.Right + leftMargin, bounds.Top - 1, bounds.Right - rightMargin, bounds.Bottom};
    return view;
}

namespace {

// The text's extent in the caption area, vertically centred: one line, or wrapped lines.
RECT TextRect(TCanvas& canvas, const TRadioButtonViewInfo& view, const std::wstring& caption) {
    RECT measured = view.Caption.ToRECT();
    HGDIOBJ old = SelectObject(canvas.Handle(), canvas.Font().Handle());
    UINT lines = view.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextW(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &measured,
              DT_LEFT | lines | DT_CALCRECT);
    SelectObject(canvas.Handle(), old);
    int height = measured.bottom - measured.top;
    measured.top = view.Caption.Top + (view.Caption.Height() - height) / 2;
    measured.bottom = measured.top + height;
    return measured;
}

}  // namespace

void PaintRadioButton(TCanvas& canvas, const TRadioButtonViewInfo& view, const std::wstring& caption,
                      const std::function<void(HDC)>& background) {
    if (view.Transparent) background(canvas.Handle());
    else if (view.Painter->Native()) canvas.FillRect(view.Glyph, view.Color);
    else canvas.FillRect(view.Bounds, view.Color);
    TColor brush = view.Transparent ? clDefault : view.Color;
    view.Painter->DrawRadioButton(canvas, view.Glyph.Left, view.Glyph.Top, ButtonStateOf(view.Hover), view.Checked,
                                  view.Focused, brush, false);
    if (caption.empty()) return;
    RECT text = TextRect(canvas, view, caption);
    if (view.WordWrap)
        canvas.DrawText(caption, TRect{text.left, text.top, view.Caption.Right, text.bottom},
                        DT_LEFT | DT_WORDBREAK | DT_NOCLIP, view.TextColor);
    else
        canvas.DrawText(caption, view.Caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE, view.TextColor);
    if (!view.Focused) return;
    // The dotted focus rectangle around the text, 1 pixel out and 1 more at the bottom.
    RECT focus{text.left - 1, text.top - 1, text.right + 1, text.bottom + 2};
    SetTextColor(canvas.Handle(), RGB(0, 0, 0));
    SetBkColor(canvas.Handle(), RGB(255, 255, 255));
    DrawFocusRect(canvas.Handle(), &focus);
}
