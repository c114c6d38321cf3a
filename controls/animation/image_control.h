#pragma once
// A windowless picture control that may be painted from a thread other than the user-interface
// thread. Every paint is composed off-screen and copied to the target in one operation; PaintNow
// from another thread paints straight into the parent window's device context.
//
// Locks, always in this order: the control lock (ControlLock), then the control's canvas lock,
// then the locks of the bitmaps drawn. The toolkit's own paints take only the canvas lock, so a
// paint from another thread and one of the toolkit exclude each other through it.
#include <atomic>
#include <mutex>
#include <utility>

#include "toolkit/bitmap.h"
#include "toolkit/control.h"

class TImageControl : public TGraphicControl {
public:
    explicit TImageControl(TComponent* owner);

    std::recursive_mutex& ControlLock() { return FControlLock; }

    // The paint message: composed off-screen, then copied to dc at (0, 0).
    void PaintControl(HDC dc) override;
    // On the user-interface thread the parent repaints the control's area at once; on any other
    // thread the control alone is painted into the parent window (nothing is invalidated).
    void PaintNow();

protected:
    // Paints the picture; canvas covers PaintArea's size and the control's colour is already there.
    virtual void DrawImage(TCanvas& canvas) = 0;
    // Auto-size and palette work after the graphic changed.
    virtual void AdjustToGraphic() {}

    // The parent's background, then the parent's windowless controls below this one, into canvas.
    void CopyParentBackground(TCanvas& canvas);
    // After the graphic changed: AdjustToGraphic, and a repaint unless a paint is running.
    void GraphicChanged();

    // The control's own painting is running.
    bool Drawing() const { return FDrawing; }
    // This control is being painted as part of another control's background copy.
    bool PaintingCopy() const { return FPaintingCopy; }
    // Visible, as other threads see it.
    bool ShownNow() const { return FShown; }
    // The bounds as painting sees them; changed and read under the canvas lock.
    TRect PaintArea() const { return FPaintArea; }
    TRect PaintClientRect() const { return {0, 0, FPaintArea.Width(), FPaintArea.Height()}; }

    void BoundsChanged() override;
    void VisibleChanged() override;

private:
    // Sets a flag for one scope and restores its previous value.
    class TFlagScope {
    public:
        TFlagScope(std::atomic<bool>& flag, bool value) : FFlag(&flag), FPrevious(flag.exchange(value)) {}
        TFlagScope(TFlagScope&& other) noexcept : FFlag(std::exchange(other.FFlag, nullptr)), FPrevious(other.FPrevious) {}
        ~TFlagScope() {
            if (FFlag) *FFlag = FPrevious;
        }
        TFlagScope(const TFlagScope&) = delete;
        TFlagScope& operator=(const TFlagScope&) = delete;
        TFlagScope& operator=(TFlagScope&&) = delete;

    private:
        std::atomic<bool>* FFlag;
        bool FPrevious;
    };

    void PaintFromThread();
    void PaintContent(TCanvas& canvas);

    std::recursive_mutex FControlLock;
    std::atomic<bool> FDrawing{false};
    std::atomic<bool> FPaintingCopy{false};
    std::atomic<bool> FShown{true};
    TRect FPaintArea;
    TBitmap FBuffer;  // the off-screen picture, kept between paints
};
