#include "controls/buttons/hot_button_painter.h"

#include <vector>

#include "controls/buttons/shading/color_shading.h"
#include "controls/buttons/shading_canvas.h"
#include "toolkit/bitmap.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/theme_services.h"

namespace {

constexpr TColor clWindowFrame = 0xFF000000u | COLOR_WINDOWFRAME;
constexpr int kPushButtonPart = 1;  // BP_PUSHBUTTON

// Runs are inclusive of both ends: from (x1, y) to (x2, y), and from (x, y1) to (x, y2).
TRect Row(int x1, int x2, int y) { return {x1, y, x2 + 1, y + 1}; }
TRect Column(int x, int y1, int y2) { return {x, y1, x + 1, y2 + 1}; }
TRect Dot(int x, int y) { return {x, y, x + 1, y + 1}; }

// The one-pixel frame on R1 with its four corner pixels left out.
void CutFrame(HDC dc, int w, int h, TColor color) {
    FillSolid(dc, {Column(1, 2, h - 3), Row(2, w - 3, 1), Column(w - 2, 2, h - 3), Row(2, w - 3, h - 2)}, color);
}

// The sunken well on R0: dark above and left, light below and right; the three outer pixels
// of each corner are the parent's.
void Well(HDC dc, int w, int h, const TFaceColors& c) {
    FillSolid(dc, {Column(0, 2, h - 3), Row(2, w - 3, 0), Dot(1, 1), Dot(w - 2, 1), Dot(1, h - 2)}, c.WellDark);
    FillSolid(dc, {Column(w - 1, 2, h - 3), Row(2, w - 3, h - 1), Dot(w - 2, h - 2)}, c.WellLight);
}

// The white face's soft shading: two shade lines along the bottom, drawn through the last
// column so a ring painted there before leaves nothing behind, and the run above them.
void ShadedFace(TCanvas& canvas, const TRect& r, const THotButtonView& view) {
    const TFaceColors& c = view.Colors;
    FillSolid(canvas.Handle(), Row(r.Left, r.Right - 1, r.Bottom - 2), c.ShadeUpper);
    FillSolid(canvas.Handle(), Row(r.Left, r.Right - 1, r.Bottom - 1), c.ShadeLower);
    TRect run{r.Left, r.Top, r.Right, r.Bottom - 2};
    if (view.FullColor)
        FillVerticalBlend(canvas, run, c.RunTop, c.RunBottom);
    else
        FillSolid(canvas.Handle(), run, c.Face);
}

void PaintHotTrack(TCanvas& canvas, const THotButtonView& view) {
    HDC dc = canvas.Handle();
    int w = view.Client.Width(), h = view.Client.Height();
    TRect face{2, 2, w - 2, h - 2};
    const TFaceColors& c = view.Colors;
    if (!view.Enabled) {
        CutFrame(dc, w, h, c.Frame);
        FillSolid(dc, face, c.Face);
        return;
    }
    Well(dc, w, h, c);
    CutFrame(dc, w, h, c.Frame);
    if (view.Look == TFaceLook::flPressed) {
        FillSolid(dc, face, c.Pressed);
        return;
    }
    ShadedFace(canvas, face, view);
    if (view.Look == TFaceLook::flHot || view.Look == TFaceLook::flFocusRing)
        FillBlendRing(canvas, face, c.RingTop, c.RingBottom);
}

void Outline(HDC dc, const TRect& r, TColor topLeft, TColor bottomRight) {
    FillSolid(dc, {Row(r.Left, r.Right - 1, r.Top), Column(r.Left, r.Top, r.Bottom - 1)}, topLeft);
    FillSolid(dc, {Row(r.Left, r.Right - 1, r.Bottom - 1), Column(r.Right - 1, r.Top, r.Bottom - 1)}, bottomRight);
}

void PaintClassic(TCanvas& canvas, const THotButtonView& view) {
    HDC dc = canvas.Handle();
    const TFaceColors& c = view.Colors;
    TRect r = view.Client;
    auto shrink = [&r] { r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}; };
    if (view.ClassicFrame) {
        Outline(dc, r, clWindowFrame, clWindowFrame);
        shrink();
    }
    if (view.ClassicPushed) {
        Outline(dc, r, c.BevelShadow, c.BevelShadow);
        shrink();
    } else {
        Outline(dc, r, c.BevelHighlight, c.BevelDark);
        shrink();
        Outline(dc, r, c.BevelLight, c.BevelShadow);
        shrink();
    }
    FillSolid(dc, r, c.Face);
}

void PaintThemed(TCanvas& canvas, const THotButtonView& view) {
    TThemeServices& themes = TThemeServices::Instance();
    HTHEME theme = themes.Open(TThemedObjectType::totButton);
    if (!theme) return;
    RECT r = view.Client.ToRECT();
    themes.Api().DrawThemeParentBackground(view.Window, canvas.Handle(), &r);
    themes.Api().DrawThemeBackground(theme, canvas.Handle(), kPushButtonPart, view.ThemeState, &r, nullptr);
}

void DrawTextAt(HDC dc, const TCaptionTextView& view, const TRect& at, UINT flags, TColor color) {
    SetTextColor(dc, ResolveColor(color));
    RECT r = at.ToRECT();
    DrawTextW(dc, view.Text.c_str(), static_cast<int>(view.Text.size()), &r, flags);
}

TRect Moved(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

// The text effect's copies under the caption, for an enabled button.
void DrawTextCopies(HDC dc, const TCaptionTextView& view, TRect& c, UINT flags) {
    switch (view.Style) {
    case TTextStyle::tsRaised:
        if (!view.LightOnly) DrawTextAt(dc, view, Moved(c, 1, 1), flags, view.ShadowColor);
        DrawTextAt(dc, view, Moved(c, -1, -1), flags, view.HighlightColor);
        break;
    case TTextStyle::tsRecessed:
        DrawTextAt(dc, view, Moved(c, 1, 1), flags, view.HighlightColor);
        if (!view.LightOnly) DrawTextAt(dc, view, Moved(c, -1, -1), flags, view.ShadowColor);
        break;
    case TTextStyle::tsShadow: {
        int right = (flags & DT_RIGHT) ? 0 : view.ShadowDepth;
        DrawTextAt(dc, view, Moved(c, right, view.ShadowDepth), flags, view.ShadowColor);
        break;
    }
    case TTextStyle::tsNormal:
        break;
    }
    if (flags & DT_RIGHT) c = Moved(c, -view.ShadowDepth, 0);
}

}  // namespace

void PaintFrameAndFace(TCanvas& canvas, const THotButtonView& view) {
    if (!canvas.Handle()) return;
    switch (view.Style) {
    case TButtonPaintStyle::psHotTrack: PaintHotTrack(canvas, view); break;
    case TButtonPaintStyle::psClassic: PaintClassic(canvas, view); break;
    case TButtonPaintStyle::psTheme: PaintThemed(canvas, view); break;
    }
}

void FillWithPattern(TCanvas& canvas, const TRect& r, const TBitmap& pattern) {
    if (!canvas.Handle() || pattern.Empty()) return;
    // A packed device-independent bitmap: the header, then the rows from the bottom.
    std::vector<std::uint32_t> packed(sizeof(BITMAPINFOHEADER) / 4 + 64);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(packed.data());
    *header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 8, 8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::uint32_t* rows = packed.data() + sizeof(BITMAPINFOHEADER) / 4;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) rows[(7 - y) * 8 + x] = pattern.Bits()[y * pattern.Width() + x];
    TBrushObject brush(CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
    RECT area = r.ToRECT();
    FillRect(canvas.Handle(), &area, brush.Get());
}

void DrawCaptionText(TCanvas& canvas, const TCaptionTextView& view) {
    HDC dc = canvas.Handle();
    if (!dc || view.Text.empty()) return;
    HGDIOBJ oldFont = SelectObject(dc, canvas.Font().Handle());
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = GetTextColor(dc);
    UINT flags = view.Flags | (view.RightToLeft ? DT_RTLREADING : 0);
    TRect c = view.Area;
    RECT measured{c.Left, c.Top, c.Right, c.Top};
    DrawTextW(dc, view.Text.c_str(), static_cast<int>(view.Text.size()), &measured, flags | DT_CALCRECT);
    int t = measured.bottom - measured.top;
    switch (view.Vertical) {
    case TAlignmentVertical::avTop: c.Bottom = c.Top + t; break;
    case TAlignmentVertical::avCenter: c.Top = (c.Top + c.Bottom - t) / 2; c.Bottom = c.Top + t; break;
    case TAlignmentVertical::avBottom: c.Top = c.Bottom - t - 1; break;
    }
    if (view.Enabled) DrawTextCopies(dc, view, c, flags);
    DrawTextAt(dc, view, c, flags, view.Color);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}
