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

TRadioButtonViewInfo LayoutRadioButton(const TLookAndFeelPainter& painter, TRect bounds) {
    TRadioButtonViewInfo view;
    view.Painter = &painter;
    view.Bounds = bounds;
    SIZE glyph = painter.RadioButtonSize();
    int left = bounds.Left + (painter.Native() ? 0 : 1);
    int top = bounds.Top + (bounds.Height() - glyph.cy) / 2;
    view.Glyph = TRect{left, top, left + glyph.cx, top + glyph.cy};
    // Caption margins (left, top, right, bottom): native (3, -1, 0, 0), not native (5, -1, 0, 0).
    int margin = painter.Native() ? 3 : 5;
    view.Caption = TRect{view.Glyph.Right + margin, bounds.Top - 1, bounds.Right, bounds.Bottom};
    return view;
}

void PaintRadioButton(TCanvas& canvas, const TRadioButtonViewInfo& view, const std::wstring& caption,
                      const std::function<void(HDC)>& background) {
    if (view.Transparent) background(canvas.Handle());
    else if (view.Painter->Native()) canvas.FillRect(view.Glyph, view.Color);
    else canvas.FillRect(view.Bounds, view.Color);
    TColor brush = view.Transparent ? clDefault : view.Color;
    view.Painter->DrawRadioButton(canvas, view.Glyph.Left, view.Glyph.Top, ButtonStateOf(view.Hover), view.Checked,
                                  view.Focused, brush, false);
    if (caption.empty()) return;
    canvas.DrawText(caption, view.Caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE, view.TextColor);
    if (!view.Focused) return;
    // The dotted focus rectangle around the text, 1 pixel out and 1 more at the bottom.
    RECT measured = view.Caption.ToRECT();
    HGDIOBJ old = SelectObject(canvas.Handle(), canvas.Font().Handle());
    DrawTextW(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &measured,
              DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    SelectObject(canvas.Handle(), old);
    int textHeight = measured.bottom - measured.top;
    int top = view.Caption.Top + (view.Caption.Height() - textHeight) / 2;
    RECT focus{measured.left - 1, top - 1, measured.right + 1, top + textHeight + 2};
    SetTextColor(canvas.Handle(), RGB(0, 0, 0));
    SetBkColor(canvas.Handle(), RGB(255, 255, 255));
    DrawFocusRect(canvas.Handle(), &focus);
}
