#pragma once
// A drawing surface: a device context with the brush, pen and font chosen for it, and a
// re-entrant lock. Whoever uses the device context from a second thread holds the lock for the
// whole time, so the owner never swaps or releases the context underneath.
#include <windows.h>

#include <mutex>
#include <string>

#include "toolkit/color.h"
#include "toolkit/font.h"

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool Intersects(const TRect& r) const {
        return Left < r.Right && r.Left < Right && Top < r.Bottom && r.Top < Bottom;
    }
    RECT ToRECT() const { return RECT{Left, Top, Right, Bottom}; }
    bool operator==(const TRect&) const = default;
};

// The extent of text in a font. Measured on one memory device context kept for the purpose, so
// a control that sizes itself by its text makes no device context of its own (user-interface
// thread only).
SIZE MeasureText(const TFont& font, const std::wstring& text);

class TCanvas {
public:
    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    std::recursive_mutex& Lock() { return FLock; }

    HDC Handle() const { return FHandle; }
    // Binds a device context owned by someone else (a paint, a memory context); null unbinds.
    void SetHandle(HDC dc);

    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor color) { FBrushColor = color; }
    TFont& Font() { return FFont; }

    void FillRect(const TRect& rect);                        // with the brush colour
    void FillRect(const TRect& rect, TColor color);
    void Line(int x1, int y1, int x2, int y2, TColor color);  // end point not painted
    // Draws wide text with DrawTextW flags in the canvas font, transparent background.
    void DrawText(const std::wstring& text, TRect rect, UINT flags, TColor color);
    SIZE TextExtent(const std::wstring& text);

private:
    HDC FHandle = nullptr;
    TColor FBrushColor = clWhite;
    TFont FFont;
    std::recursive_mutex FLock;
};

// Binds a canvas to a device context for one scope and restores what was bound before.
class TCanvasBinding {
public:
    TCanvasBinding(TCanvas& canvas, HDC dc);
    ~TCanvasBinding();
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas& FCanvas;
    std::lock_guard<std::recursive_mutex> FGuard;
    HDC FPrevious;
};
