#include "controls/editors/edit_painter.h"

namespace {

void FrameRect(TCanvas& canvas, TRect r, int width, TColor color) {
    canvas.FillRect(TRect{r.Left, r.Top, r.Right, r.Top + width}, color);
    canvas.FillRect(TRect{r.Left, r.Bottom - width, r.Right, r.Bottom}, color);
    canvas.FillRect(TRect{r.Left, r.Top + width, r.Left + width, r.Bottom - width}, color);
    canvas.FillRect(TRect{r.Right - width, r.Top + width, r.Right, r.Bottom - width}, color);
}

// Top and left in one colour, bottom and right in the other, on the sides named.
void Edge(TCanvas& canvas, TRect r, TBorders edges, TColor topLeft, TColor bottomRight) {
    if (edges & bTop) canvas.FillRect(TRect{r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
    if (edges & bLeft) canvas.FillRect(TRect{r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
    if (edges & bBottom) canvas.FillRect(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    if (edges & bRight) canvas.FillRect(TRect{r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
}

TRect Inflated(TRect r, int by) { return TRect{r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

// The painted frame: grown on every side, also where the edge is not in Edges.
TRect PaintedFrame(const TEditViewInfo& view) { return Inflated(view.ClientRect, view.BorderWidth); }

void PaintShadow(TCanvas& canvas, const TEditViewInfo& view, TRect frame) {
    if (!view.Shadow) return;
    canvas.FillRect(TRect{frame.Left + 3, frame.Bottom, frame.Right + 3, frame.Bottom + 3}, clBtnShadow);
    canvas.FillRect(TRect{frame.Right, frame.Top + 3, frame.Right + 3, frame.Bottom}, clBtnShadow);
    ExcludeClipRect(canvas.Handle(), frame.Left + 3, frame.Bottom, frame.Right + 3, frame.Bottom + 3);
    ExcludeClipRect(canvas.Handle(), frame.Right, frame.Top + 3, frame.Right + 3, frame.Bottom);
}

void PaintNonNativeBorder(TCanvas& canvas, const TEditViewInfo& view) {
    TRect frame = PaintedFrame(view);
    PaintShadow(canvas, view, frame);
    switch (view.BorderStyle) {
    case TEditBorderStyle::ebsSingle:
    case TEditBorderStyle::ebsThick:
        FrameRect(canvas, frame, view.BorderWidth, view.BorderColor);
        break;
    case TEditBorderStyle::ebsFlat:
        Edge(canvas, frame, view.Edges, clBtnShadow, clBtnHighlight);
        FrameRect(canvas, Inflated(frame, -1), 1, clBtnFace);
        break;
    case TEditBorderStyle::ebs3D:
        Edge(canvas, frame, view.Edges, clBtnShadow, clBtnHighlight);
        Edge(canvas, Inflated(frame, -1), bAll, cl3DDkShadow, cl3DLight);
        break;
    default:
        break;
    }
}

void PaintNativeBorder(TCanvas& canvas, const TEditViewInfo& view) {
    TThemeServices& themes = TThemeServices::Instance();
    HTHEME theme = themes.Open(TThemedObjectType::totEdit);
    if (!theme) return;  // gone since the view was computed: nothing is drawn for the part
    int saved = SaveDC(canvas.Handle());
    const TRect& c = view.ClientRect;
    ExcludeClipRect(canvas.Handle(), c.Left, c.Top, c.Right, c.Bottom);
    RECT bounds = view.Bounds.ToRECT();
    themes.Api().DrawThemeBackground(theme, canvas.Handle(), 1, view.NativeState, &bounds, nullptr);
    RestoreDC(canvas.Handle(), saved);
}

}  // namespace

void PaintEditBorderAndBackground(TCanvas& canvas, const TEditViewInfo& view) {
    int saved = SaveDC(canvas.Handle());
    if (view.Native) PaintNativeBorder(canvas, view);
    else PaintNonNativeBorder(canvas, view);
    if (!view.Transparent) {
        canvas.FillRect(view.ClientRect, view.BackgroundColor);
        // A text editor's inner edit meets a frame in its own colour along the content's edge.
        if (view.TextEditor) FrameRect(canvas, view.ClientRect, 1, view.BackgroundColor);
    }
    RestoreDC(canvas.Handle(), saved);
}

TRegionObject EditWindowRegion(const TEditViewInfo& view) {
    if (!view.HasRegion) return TRegionObject();
    int dx = -view.Bounds.Left, dy = -view.Bounds.Top;
    const TRect& f = view.FrameRect;
    TRegionObject region(CreateRectRgn(f.Left + dx, f.Top + dy, f.Right + dx, f.Bottom + dy));
    if (view.Shadow) {
        TRegionObject strips(CreateRectRgn(f.Left + 3 + dx, f.Bottom + dy, f.Right + 3 + dx, f.Bottom + 3 + dy));
        CombineRgn(region.Get(), region.Get(), strips.Get(), RGN_OR);
        strips.Reset(CreateRectRgn(f.Right + dx, f.Top + 3 + dy, f.Right + 3 + dx, f.Bottom + dy));
        CombineRgn(region.Get(), region.Get(), strips.Get(), RGN_OR);
    }
    return region;
}
