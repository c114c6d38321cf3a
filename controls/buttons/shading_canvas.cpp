#include "controls/buttons/shading_canvas.h"

#include <algorithm>

#include "controls/buttons/shading/color_shading.h"
#include "controls/buttons/shading/vertical_blend.h"
#include "toolkit/form.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/win_control.h"

namespace {

TColor PlatformSystemColor(int index) { return GetSysColor(index); }

bool ScreenShowsFullColor() {
    TWindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), NUMCOLORS) == -1;
}

// Read at program start, before any window exists; the colour arithmetic learns the platform's
// system colour table at the same moment.
const bool fullColorAtStart = [] {
    SetSystemColorLookup(&PlatformSystemColor);
    return ScreenShowsFullColor();
}();
std::optional<bool> fullColorForTesting;

constexpr int kStripWidth = 8;

}  // namespace

bool FullColorDisplay() { return fullColorForTesting.value_or(fullColorAtStart); }

void SetFullColorDisplayForTesting(std::optional<bool> full) { fullColorForTesting = full; }

void FillSolid(HDC dc, const TRect& r, TColor color) { FillSolid(dc, {r}, color); }

void FillSolid(HDC dc, std::initializer_list<TRect> rects, TColor color) {
    if (color == clNone) return;
    TBrushObject brush(CreateSolidBrush(ResolveColor(color)));
    for (const TRect& r : rects) {
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        RECT area = r.ToRECT();
        FillRect(dc, &area, brush.Get());
    }
}

void FillVerticalBlend(TCanvas& canvas, const TRect& r, TColor top, TColor bottom) {
    int width = std::abs(r.Right - r.Left), height = std::abs(r.Bottom - r.Top);
    if (width == 0 || height == 0 || !canvas.Handle()) return;
    TBitmapObject bitmap = NewDibSection(width, height);
    TMemoryDC memory(canvas.Handle());
    HGDIOBJ old = SelectObject(memory.Get(), bitmap.Get());
    int strip = std::min(kStripWidth, width);
    for (const TBlendBand& band : VerticalBlendBands(top, bottom, height))
        FillSolid(memory.Get(), {0, band.Top, strip, band.Top + band.Height}, band.Color);
    // Doubling copies: 8, 16, 32 ... columns until the width is covered.
    for (int done = strip; done < width; done *= 2)
        BitBlt(memory.Get(), done, 0, std::min(done, width - done), height, memory.Get(), 0, 0, SRCCOPY);
    BitBlt(canvas.Handle(), r.Left, r.Top, width, height, memory.Get(), 0, 0, SRCCOPY);
    SelectObject(memory.Get(), old);
}

void FillBlendRing(TCanvas& canvas, const TRect& r, TColor top, TColor bottom) {
    if (!FullColorDisplay() || !canvas.Handle()) return;
    HDC dc = canvas.Handle();
    int saved = SaveDC(dc);
    ExcludeClipRect(dc, r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    FillVerticalBlend(canvas, r, top, bottom);
    RestoreDC(dc, saved);
}

void DrawDottedFocus(TCanvas& canvas, const TRect& r) {
    HDC dc = canvas.Handle();
    if (!dc) return;
    for (int y = r.Top + 1; y < r.Bottom; y += 2) {
        SetPixelV(dc, r.Left, y, 0);
        SetPixelV(dc, r.Right - 1, y, 0);
    }
    for (int x = r.Left + 1; x < r.Right; x += 2) {
        SetPixelV(dc, x, r.Top, 0);
        SetPixelV(dc, x, r.Bottom - 1, 0);
    }
}

void PaintParentBehind(TControl& control, HDC dc) {
    TWinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated()) return;
    int saved = SaveDC(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
    TRect area = parent->ClientRect();
    IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
    SendMessageW(parent->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_ERASEBKGND | PRF_CLIENT);
    RestoreDC(dc, saved);
    // A parent that paints itself keeps its own image; any other learns that it was drawn over.
    if (!dynamic_cast<TCustomControl*>(parent) && !dynamic_cast<TForm*>(parent)) parent->Invalidate();
}
