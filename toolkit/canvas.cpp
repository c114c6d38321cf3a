#include "toolkit/canvas.h"

#include "toolkit/gdi_objects.h"

TCanvas::~TCanvas() = default;

void TCanvas::SetHandle(HDC dc) { FHandle = dc; }

void TCanvas::FillRect(const TRect& rect) { FillRect(rect, FBrushColor); }

void TCanvas::FillRect(const TRect& rect, TColor color) {
    if (!FHandle || color == clNone) return;
    RECT r = rect.ToRECT();
    TBrushObject brush(CreateSolidBrush(ColorToRGB(color)));
    ::FillRect(FHandle, &r, brush.Get());
}

void TCanvas::Line(int x1, int y1, int x2, int y2, TColor color) {
    if (!FHandle) return;
    TPenObject pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
    HGDIOBJ old = SelectObject(FHandle, pen.Get());
    MoveToEx(FHandle, x1, y1, nullptr);
    LineTo(FHandle, x2, y2);
    SelectObject(FHandle, old);
}

void TCanvas::DrawText(const std::wstring& text, TRect rect, UINT flags, TColor color) {
    if (!FHandle) return;
    HGDIOBJ oldFont = SelectObject(FHandle, FFont.Handle());
    int oldMode = SetBkMode(FHandle, TRANSPARENT);
    COLORREF oldColor = SetTextColor(FHandle, ColorToRGB(color));
    RECT r = rect.ToRECT();
    ::DrawTextW(FHandle, text.c_str(), static_cast<int>(text.size()), &r, flags);
    SetTextColor(FHandle, oldColor);
    SetBkMode(FHandle, oldMode);
    SelectObject(FHandle, oldFont);
}

namespace {

SIZE ExtentOn(HDC dc, const TFont& font, const std::wstring& text) {
    SIZE size{};
    HGDIOBJ oldFont = SelectObject(dc, font.Handle());
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, oldFont);
    return size;
}

}  // namespace

SIZE MeasureText(const TFont& font, const std::wstring& text) {
    static const TMemoryDC measuring;
    return ExtentOn(measuring.Get(), font, text);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
    return FHandle ? ExtentOn(FHandle, FFont, text) : MeasureText(FFont, text);
}

TCanvasBinding::TCanvasBinding(TCanvas& canvas, HDC dc)
    : FCanvas(canvas), FGuard(canvas.Lock()), FPrevious(canvas.Handle()) {
    FCanvas.SetHandle(dc);
}

TCanvasBinding::~TCanvasBinding() { FCanvas.SetHandle(FPrevious); }
