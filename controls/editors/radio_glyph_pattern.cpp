#include "controls/editors/radio_glyph_pattern.h"

#include <algorithm>
#include <deque>

#include "toolkit/bitmap.h"
#include "toolkit/gdi_objects.h"

namespace {

constexpr int kCheckBoxesBitmap = 32759;     // the platform's check-box bitmap
constexpr UINT kFlatRadioMask = 0x4002;      // DFCS_FLAT | DFCS_BUTTONRADIOMASK
constexpr UINT kFlatCheckedRadio = 0x4401;   // DFCS_FLAT | DFCS_CHECKED | DFCS_BUTTONRADIOIMAGE
constexpr std::uint32_t kBlack = 0;

SIZE CheckBoxCellSize() {
    TBitmapObject boxes(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckBoxesBitmap)));
    BITMAP info{};
    if (boxes && GetObjectW(boxes.Get(), sizeof(info), &info)) return SIZE{info.bmWidth / 4, info.bmHeight / 3};
    int side = GetSystemMetrics(SM_CXMENUCHECK);
    return SIZE{side, side};
}

void DrawIntoCell(TBitmap& cell, UINT flags) {
    std::fill(cell.Bits(), cell.Bits() + cell.Width() * cell.Height(), kBlack);
    RECT r{0, 0, cell.Width(), cell.Height()};
    DrawFrameControl(cell.Canvas().Handle(), &r, DFC_BUTTON, flags);
    GdiFlush();
}

// The columns and rows holding a black pixel after the mask is drawn; with none found, or a mask
// that left the cell untouched, the whole cell is the glyph.
void MeasureExtent(TBitmap& cell, TRadioGlyphMetrics& metrics) {
    int left = cell.Width(), top = cell.Height(), right = -1, bottom = -1;
    for (int y = 0; y < cell.Height(); ++y)
        for (int x = 0; x < cell.Width(); ++x)
            if ((cell.Bits()[y * cell.Width() + x] & 0xFFFFFF) == kBlack) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0) {
        left = top = 0;
        right = cell.Width() - 1;
        bottom = cell.Height() - 1;
    }
    metrics.Origin = POINT{left, top};
    metrics.Width = right - left + 1;
    metrics.Height = bottom - top + 1;
}

// Outward from the glyph's centre along its middle row and column while the pixel has the text
// colour, never beyond the glyph's edges. The cell's coordinates become the glyph's by taking
// the origin off.
void MeasureDot(TBitmap& cell, TRadioGlyphMetrics& metrics) {
    std::uint32_t text = GetSysColor(COLOR_WINDOWTEXT);
    text = ((text & 0xFF) << 16) | (text & 0xFF00) | ((text >> 16) & 0xFF);  // as the bitmap holds it
    auto isDot = [&](int x, int y) { return (cell.Bits()[y * cell.Width() + x] & 0xFFFFFF) == text; };
    int cx = metrics.Origin.x + metrics.Width / 2, cy = metrics.Origin.y + metrics.Height / 2;
    int minX = metrics.Origin.x, maxX = metrics.Origin.x + metrics.Width - 1;
    int minY = metrics.Origin.y, maxY = metrics.Origin.y + metrics.Height - 1;
    if (!isDot(cx, cy)) {
        int inset = std::max(1, metrics.Width / 3);
        metrics.Dot = RECT{inset, inset, metrics.Width - inset, metrics.Height - inset};
        return;
    }
    int left = cx, right = cx, top = cy, bottom = cy;
    while (left > minX && isDot(left - 1, cy)) --left;
    while (right < maxX && isDot(right + 1, cy)) ++right;
    while (top > minY && isDot(cx, top - 1)) --top;
    while (bottom < maxY && isDot(cx, bottom + 1)) ++bottom;
    metrics.Dot = RECT{left - metrics.Origin.x, top - metrics.Origin.y, right + 1 - metrics.Origin.x,
                       bottom + 1 - metrics.Origin.y};
}

// White ellipse pixels on black, as the platform draws them.
std::vector<bool> EllipsePixels(int width, int height, const RECT& bounds, bool filled) {
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    HDC dc = bitmap.Canvas().Handle();
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(filled ? WHITE_BRUSH : NULL_BRUSH));
    Ellipse(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    GdiFlush();
    std::vector<bool> pixels(static_cast<std::size_t>(width * height));
    for (int i = 0; i < width * height; ++i) pixels[static_cast<std::size_t>(i)] = (bitmap.Bits()[i] & 0xFFFFFF) != 0;
    return pixels;
}

}  // namespace

TRadioGlyphMetrics MeasureRadioGlyph() {
    SIZE cellSize = CheckBoxCellSize();
    TBitmap cell;
    cell.SetSize(cellSize.cx, cellSize.cy);
    TRadioGlyphMetrics metrics;
    DrawIntoCell(cell, kFlatRadioMask);
    MeasureExtent(cell, metrics);
    DrawIntoCell(cell, kFlatCheckedRadio);
    MeasureDot(cell, metrics);
    return metrics;
}

TRadioGlyphPattern BuildRadioPattern(const TRadioGlyphMetrics& metrics) {
    int w = metrics.Width, h = metrics.Height;
    std::vector<bool> ring = EllipsePixels(w, h, RECT{0, 0, w, h}, false);
    std::vector<bool> dot = EllipsePixels(w, h, metrics.Dot, true);
    return ClassifyRadioPattern(w, h, ring, dot);
}

TRadioGlyphPattern ClassifyRadioPattern(int width, int height, const std::vector<bool>& ring,
                                        const std::vector<bool>& dot) {
    TRadioGlyphPattern pattern{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height))};
    auto index = [width](int x, int y) { return static_cast<std::size_t>(y * width + x); };
    // Below the diagonal from the top-right to the bottom-left corner: the lit, lower-right half.
    auto below = [&](int x, int y) { return (height - 1) * (width - x - 1) < y * (width - 1); };
    auto onDiagonal = [&](int x, int y) { return (height - 1) * (width - x - 1) == y * (width - 1); };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (ring[index(x, y)]) pattern.Codes[index(x, y)] = below(x, y) ? rgcOuterLower : rgcOuterUpper;
    // The inside, filled from the centre outward up to the ring.
    std::deque<POINT> open{POINT{width / 2, height / 2}};
    while (!open.empty()) {
        POINT p = open.front();
        open.pop_front();
        if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) continue;
        if (pattern.Codes[index(p.x, p.y)] != rgcOutside) continue;
        pattern.Codes[index(p.x, p.y)] = rgcBody;
        open.insert(open.end(), {POINT{p.x + 1, p.y}, POINT{p.x - 1, p.y}, POINT{p.x, p.y + 1}, POINT{p.x, p.y - 1}});
    }
    // Side by side with a ring pixel (not only corner to corner): the inner ring stays one pixel wide.
    auto touchesRing = [&](int x, int y) {
        for (POINT d : {POINT{1, 0}, POINT{-1, 0}, POINT{0, 1}, POINT{0, -1}}) {
            int nx = x + d.x, ny = y + d.y;
            if (nx >= 0 && ny >= 0 && nx < width && ny < height && ring[index(nx, ny)]) return true;
        }
        return false;
    };
    std::vector<std::uint8_t> filled = pattern.Codes;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (filled[index(x, y)] != rgcBody || !touchesRing(x, y)) continue;
            bool lower = onDiagonal(x, y) ? x > width / 2 : below(x, y);
            pattern.Codes[index(x, y)] = lower ? rgcInnerLower : rgcInnerUpper;
        }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (dot[index(x, y)]) pattern.Codes[index(x, y)] = rgcDot;
    return pattern;
}
