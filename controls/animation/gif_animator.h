#pragma once
// A windowless control that shows a GIF image and animates it: each frame is composed onto the
// frames before it by their disposal methods, scaled or centred, and drawn with its transparent
// colour showing the parent's background. A TThreadedTimer drives it; with AsyncDrawing on, the
// timer's worker advances the frame and paints the control straight into the parent window, so
// the animation keeps turning while the user-interface thread is blocked.
//
// From a layout: AsyncDrawing, Animate, AutoSize, Center, FrameIndex, Image.Data (resource 'NAME',
// the GIF stream itself), Image.ScaledData (the same animation drawn at other sizes, resource
// names: the one nearest to the design size at the form's pixels per inch is shown), Loop,
// Stretch, Transparent, OnChange, OnFrameChanged, OnStart, OnStop.
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "controls/animation/gif_composition.h"
#include "controls/animation/gif_image.h"
#include "controls/animation/image_control.h"
#include "controls/animation/threaded_timer.h"

class TGIFAnimator : public TImageControl {
public:
    explicit TGIFAnimator(TComponent* owner);
    ~TGIFAnimator() override;

    // The own image; change it through SetImage or LoadImage so that the control follows.
    TGIFImage& Image() { return *FImage; }
    void SetImage(const TGIFImage& image);
    // The GIF stream in bytes; raises EInvalidGraphicOperation for data that is not one.
    void LoadImage(std::span<const std::uint8_t> gif);

    bool Animate() const { return FAnimate; }
    void SetAnimate(bool animate);
    bool AsyncDrawing() const { return FAsyncDrawing; }
    void SetAsyncDrawing(bool async);
    int FrameIndex() const { return FFrameIndex; }
    // Ignored unless it names another frame of the image.
    void SetFrameIndex(int index);
    bool Loop() const { return FLoop; }
    void SetLoop(bool loop) { FLoop = loop; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);

    // How long the current frame shows: its delay within 50 ms to 10 s; 0 for an image of fewer
    // than two frames (a still image stops the timer).
    unsigned FrameDelay();
    // The timer's handler: the next frame, painted at once.
    void AdvanceFrame();
    const TThreadedTimer& Timer() const { return *FTimer; }

    TNotifyEvent OnChange;
    TNotifyEvent OnFrameChanged;
    TNotifyEvent OnStart;
    TNotifyEvent OnStop;

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
    void ScaleChanged() override { ChooseScaledImage(); }
    long AccessibleRole() const override { return ROLE_SYSTEM_ANIMATION; }

protected:
    void DrawImage(TCanvas& canvas) override;
    void AdjustToGraphic() override;

private:
    void AdvanceFrame(TThreadedTimer& timer);
    void HandleImageChange();
    void SetDrawingOption(std::atomic<bool>& option, bool value);
    TRect DestinationRect(const TBitmap& picture) const;
    void Fire(const TNotifyEvent& event);
    void ChooseScaledImage();

    struct TScaledImage {
        int Width;
        std::vector<std::uint8_t> Data;
    };
    std::vector<TScaledImage> FScaledImages;  // from the layout, the design image first
    std::size_t FShownImage = 0;

    std::unique_ptr<TGIFImage> FImage = std::make_unique<TGIFImage>();
    std::unique_ptr<TThreadedTimer> FTimer = std::make_unique<TThreadedTimer>(nullptr);
    TGIFComposition FComposition;  // used under the canvas lock
    bool FAnimate = false;
    bool FAsyncDrawing = false;
    std::atomic<int> FFrameIndex{0};
    std::atomic<bool> FLoop{true};
    std::atomic<bool> FStretch{false};
    std::atomic<bool> FCenter{false};
    std::atomic<bool> FTransparent{true};
    bool FAutoSize = true;
};

// Makes TGIFAnimator known to the form reader.
void RegisterAnimationClasses();
