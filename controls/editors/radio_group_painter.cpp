#include "controls/editors/radio_group_painter.h"

namespace {

constexpr int kGroupBoxPart = 4;

void FrameOf(TCanvas& canvas, TRect r, int width, TColor color) {
    for (int i = 0; i < width; ++i) {
        TRect f{r.Left + i, r.Top + i, r.Right - i, r.Bottom - i};
        canvas.FillRect(TRect{f.Left, f.Top, f.Right, f.Top + 1}, color);
        canvas.FillRect(TRect{f.Left, f.Bottom - 1, f.Right, f.Bottom}, color);
        canvas.FillRect(TRect{f.Left, f.Top, f.Left + 1, f.Bottom}, color);
        canvas.FillRect(TRect{f.Right - 1, f.Top, f.Right, f.Bottom}, color);
    }
}

// The frame runs through the middle of the caption's room on the caption's side.
TRect FrameRectOf(const TRadioGroupViewInfo& view) {
    const TEditViewInfo& e = view.Edit;
    TRect r{e.Bounds.Left + e.Extents.Left, e.Bounds.Top + e.Extents.Top, e.Bounds.Right - e.Extents.Right,
            e.Bounds.Bottom - e.Extents.Bottom};
    if (view.Extents.Top > e.Extents.Top) r.Top = view.Extents.Top / 2;
    if (view.Extents.Bottom > e.Extents.Bottom) r.Bottom = e.Bounds.Bottom - view.Extents.Bottom / 2;
    if (view.Extents.Left > e.Extents.Left) r.Left = view.Extents.Left / 2;
    if (view.Extents.Right > e.Extents.Right) r.Right = e.Bounds.Right - view.Extents.Right / 2;
    return r;
}

void PaintFrame(TCanvas& canvas, const TRadioGroupViewInfo& view) {
    const TEditViewInfo& e = view.Edit;
    TRect r = FrameRectOf(view);
    if (e.Native) {
        TThemeServices& themes = TThemeServices::Instance();
        if (HTHEME theme = themes.Open(TThemedObjectType::totButton)) {
            RECT bounds = r.ToRECT();
            themes.Api().DrawThemeBackground(theme, canvas.Handle(), kGroupBoxPart, e.States & esDisabled ? 2 : 1,
                                             &bounds, nullptr);
        }
        return;
    }
    switch (e.BorderStyle) {
    case TEditBorderStyle::ebsSingle: FrameOf(canvas, r, 1, e.BorderColor); break;
    case TEditBorderStyle::ebsThick: FrameOf(canvas, r, 2, e.BorderColor); break;
    case TEditBorderStyle::ebsFlat:
        FrameOf(canvas, r, 1, clBtnShadow);
        FrameOf(canvas, TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, 1, clBtnHighlight);
        break;
    case TEditBorderStyle::ebs3D: {
        RECT edge = r.ToRECT();
        DrawEdge(canvas.Handle(), &edge, EDGE_ETCHED, BF_RECT);
        break;
    }
    default: break;
    }
}

}  // namespace

void PaintRadioGroup(TCanvas& canvas, const TRadioGroupViewInfo& view, const std::wstring& caption,
                     const std::function<void(HDC)>& background) {
    const TEditViewInfo& e = view.Edit;
    if (e.Transparent) background(canvas.Handle());
    else canvas.FillRect(e.Bounds, e.BackgroundColor);
    if (e.BorderStyle != TEditBorderStyle::ebsNone) PaintFrame(canvas, view);
    if (caption.empty()) return;
    // Over the frame line, on the group's colour unless transparent.
    SIZE extent = canvas.TextExtent(caption);
    TRect text{view.Extents.Left + 6, 0, view.Extents.Left + 6 + extent.cx, extent.cy};
    if (!e.Transparent) canvas.FillRect(text, e.BackgroundColor);
    canvas.DrawText(caption, text, DT_LEFT | DT_SINGLELINE, e.TextColor);
}
