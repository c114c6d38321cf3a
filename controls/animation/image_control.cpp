#include "controls/animation/image_control.h"

#include <vector>

#include "toolkit/application.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/win_control.h"

namespace {

// The state of a device context, restored at the end of the scope.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
    ~TSavedDC() { RestoreDC(FDC, FSaved); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FSaved;
};

}  // namespace

TImageControl::TImageControl(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

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
    TFlagScope drawing(FDrawing, true);
    DrawImage(canvas);
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
    if (!window.Get()) return;
    TRect area = PaintArea();
    IntersectClipRect(window.Get(), area.Left, area.Top, area.Right, area.Bottom);
    SetViewportOrgEx(window.Get(), area.Left, area.Top, nullptr);
    PaintControl(window.Get());
}

void TImageControl::CopyParentBackground(TCanvas& canvas) {
    TWinControl* parent = Parent();
    if (!parent) return;
    TRect area = PaintArea();
    TSavedDC saved(canvas.Handle());
    OffsetViewportOrgEx(canvas.Handle(), -area.Left, -area.Top, nullptr);
    IntersectClipRect(canvas.Handle(), 0, 0, parent->Width(), parent->Height());
    // Every container of this toolkit paints its own content as its background.
    parent->PaintBackground(canvas.Handle());
    std::vector<TFlagScope> copies;
    for (TControl* control : parent->Controls()) {
        if (control == this) break;
        if (auto picture = dynamic_cast<TImageControl*>(control)) copies.emplace_back(picture->FPaintingCopy, true);
    }
    parent->PaintWindowlessChildren(canvas.Handle(), area.ToRECT(), this);
}

void TImageControl::GraphicChanged() {
    if (Destroying()) return;
    AdjustToGraphic();
    if (!FDrawing) Invalidate();
}
