#include "controls/animation/image_control.h"

#include "toolkit/application.h"
#include "toolkit/win_control.h"

namespace {

// A device context of a window, obtained on any thread and released at the end of the scope.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : FWindow(window), FDC(GetDC(window)) {}
    ~TWindowDC() {
        if (FDC) ReleaseDC(FWindow, FDC);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Handle() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};

}  // namespace

TImageControl::TImageControl(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
    FPaintArea = BoundsRect();
}

void TImageControl::BoundsChanged() {
    std::lock_guard canvasLock(ControlCanvas().Lock());
    FPaintArea = BoundsRect();
}

// Hiding waits for a paint from another thread under way, so none lands after the parent has
// repainted the area without this control.
void TImageControl::VisibleChanged() {
    {
        std::lock_guard canvasLock(ControlCanvas().Lock());
        FShown = Visible();
    }
    TGraphicControl::VisibleChanged();
}

void TImageControl::PaintControl(HDC dc) {
    std::lock_guard canvasLock(ControlCanvas().Lock());
    TRect client = PaintClientRect();
    if (client.Width() <= 0 || client.Height() <= 0) return;
    std::lock_guard bufferLock(FBuffer.Canvas().Lock());
    if (FBuffer.Width() != client.Width() || FBuffer.Height() != client.Height())
        FBuffer.SetSize(client.Width(), client.Height());
    {
        TCanvasBinding binding(ControlCanvas(), FBuffer.Canvas().Handle());
        PaintContent(ControlCanvas());
    }
    BitBlt(dc, 0, 0, client.Width(), client.Height(), FBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TImageControl::PaintContent(TCanvas& canvas) {
    canvas.FillRect(PaintClientRect(), Color());
    bool wasDrawing = FDrawing.exchange(true);
    try {
        DrawImage(canvas);
    } catch (...) {
        FDrawing = wasDrawing;
        throw;
    }
    FDrawing = wasDrawing;
}

void TImageControl::PaintNow() {
    if (!Application || Application->IsMainThread()) {
        Invalidate();
        if (Parent()) Parent()->Update();
        return;
    }
    PaintFromThread();
}

void TImageControl::PaintFromThread() {
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated()) return;
    std::lock_guard canvasLock(ControlCanvas().Lock());
    if (!FShown) return;
    TWindowDC window(parent->Handle());
    if (!window.Handle()) return;
    TRect area = PaintArea();
    IntersectClipRect(window.Handle(), area.Left, area.Top, area.Right, area.Bottom);
    SetViewportOrgEx(window.Handle(), area.Left, area.Top, nullptr);
    PaintControl(window.Handle());
}

void TImageControl::CopyParentBackground(TCanvas& canvas) {
    TWinControl* parent = Parent();
    if (!parent) return;
    HDC dc = canvas.Handle();
    TRect area = PaintArea();
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -area.Left, -area.Top, nullptr);
    IntersectClipRect(dc, 0, 0, parent->Width(), parent->Height());
    // Every container of this toolkit paints its own content as its background.
    parent->PaintBackground(dc);
    MarkControlsBelow(true);
    try {
        parent->PaintWindowlessChildren(dc, area.ToRECT(), this);
    } catch (...) {
        MarkControlsBelow(false);
        RestoreDC(dc, saved);
        throw;
    }
    MarkControlsBelow(false);
    RestoreDC(dc, saved);
}

void TImageControl::MarkControlsBelow(bool paintingCopy) {
    for (TControl* control : Parent()->Controls()) {
        if (control == this) break;
        if (auto picture = dynamic_cast<TImageControl*>(control)) picture->FPaintingCopy = paintingCopy;
    }
}

void TImageControl::GraphicChanged() {
    if (Destroying()) return;
    AdjustToGraphic();
    if (!FDrawing) Invalidate();
}
