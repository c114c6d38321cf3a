#include "controls/animation/gif_animator.h"

#include <algorithm>
#include <array>
#include <utility>

#include "controls/animation/stretch_draw_transparent.h"
#include "toolkit/form_loader.h"
#include "toolkit/layout/layout_scaling.h"
#include "toolkit/win_control.h"

namespace {
constexpr unsigned kShortestDelay = 50;
constexpr unsigned kLongestDelay = 10000;
}  // namespace

TGIFAnimator::TGIFAnimator(TComponent* owner) : TImageControl(owner) {
    FImage->OnChange = [this] { HandleImageChange(); };
}

TGIFAnimator::~TGIFAnimator() {
    MarkDestroying();
    // The timer first: it returns once a tick under way has finished, and no tick comes after.
    FTimer.reset();
    FAnimate = false;
    OnChange = OnFrameChanged = OnStart = OnStop = nullptr;
    FImage->OnChange = nullptr;
}

void TGIFAnimator::SetImage(const TGIFImage& image) {
    std::lock_guard lock(ControlLock());
    FImage->Assign(image);
}

void TGIFAnimator::LoadImage(std::span<const std::uint8_t> gif) {
    std::lock_guard lock(ControlLock());
    FImage->LoadFromBytes(gif);
}

void TGIFAnimator::HandleImageChange() {
    {
        std::lock_guard lock(ControlLock());
        {
            std::lock_guard canvasLock(ControlCanvas().Lock());
            FComposition.Drop();
        }
        FFrameIndex = FImage->CurrentFrame();
        if (FFrameIndex >= 0 && FImage->FrameCount() > 0) FTimer->SetInterval(FrameDelay());
    }
    GraphicChanged();
    Fire(OnChange);
}

void TGIFAnimator::SetAnimate(bool animate) {
    if (animate == FAnimate) return;
    if (animate) {
        // The tick reaches its timer through the sender: while the animator is destroyed, FTimer
        // is already empty but the timer lives on until the tick under way has finished.
        FTimer->SetOnTimer([this](TComponent* timer) { AdvanceFrame(*static_cast<TThreadedTimer*>(timer)); });
        FTimer->SetEnabled(true);
        FAnimate = FTimer->Enabled();
        Fire(OnStart);
    } else {
        FTimer->SetEnabled(false);
        FTimer->SetOnTimer(nullptr);
        FAnimate = false;
        Fire(OnStop);
        GraphicChanged();
    }
}

// There is no process-wide bitmap draw lock to install: every toolkit bitmap holds its own canvas
// lock while it is drawn, and the toolkit never releases a canvas's device context behind the
// back of whoever holds that lock.
void TGIFAnimator::SetAsyncDrawing(bool async) {
    if (async == FAsyncDrawing) return;
    std::lock_guard lock(ControlLock());
    FAsyncDrawing = async;
    FTimer->SetSyncEvent(!async);
}

void TGIFAnimator::SetFrameIndex(int index) {
    if (index == FFrameIndex || index < 0 || index >= FImage->FrameCount()) return;
    {
        std::lock_guard lock(ControlLock());
        FFrameIndex = index;
        FTimer->SetInterval(FrameDelay());
    }
    Fire(OnFrameChanged);
    GraphicChanged();
}

void TGIFAnimator::SetStretch(bool stretch) { SetDrawingOption(FStretch, stretch); }

void TGIFAnimator::SetCenter(bool center) { SetDrawingOption(FCenter, center); }

void TGIFAnimator::SetTransparent(bool transparent) { SetDrawingOption(FTransparent, transparent); }

void TGIFAnimator::SetDrawingOption(std::atomic<bool>& option, bool value) {
    if (value == option) return;
    {
        std::lock_guard lock(ControlLock());
        option = value;
    }
    GraphicChanged();
    if (FAnimate) PaintNow();
}

void TGIFAnimator::SetAutoSize(bool autoSize) {
    if (autoSize == FAutoSize) return;
    FAutoSize = autoSize;
    GraphicChanged();
}

unsigned TGIFAnimator::FrameDelay() {
    int index = FFrameIndex;
    if (FImage->FrameCount() < 2 || index < 0 || index >= FImage->FrameCount()) return 0;
    return std::clamp(FImage->Frame(index).Delay(), kShortestDelay, kLongestDelay);
}

void TGIFAnimator::AdvanceFrame() { AdvanceFrame(*FTimer); }

void TGIFAnimator::AdvanceFrame(TThreadedTimer& timer) {
    if (PaintingCopy()) return;
    bool stop = false;
    {
        std::lock_guard lock(ControlLock());
        int count = FImage->FrameCount();
        if (!ShownNow() || count < 2 || !Parent() || !Parent()->HandleAllocated()) return;
        FFrameIndex = FFrameIndex + 1 >= count ? 0 : FFrameIndex + 1;
        {
            std::lock_guard canvasLock(ControlCanvas().Lock());
            PaintNow();
        }
        if (timer.Enabled()) timer.SetInterval(FrameDelay());  // a timer being destroyed is disabled
        stop = !FLoop && FFrameIndex == 0;
    }
    // Handed over only after the locks are released: a setter or a paint on the user-interface
    // thread may be waiting for them, and would never run the call.
    if (OnFrameChanged) timer.CallSynchronized([this] { Fire(OnFrameChanged); });
    if (stop) timer.CallSynchronized([this] { SetAnimate(false); });
}

void TGIFAnimator::DrawImage(TCanvas& canvas) {
    if (FImage->IsTransparent() || FImage->IsEmpty()) CopyParentBackground(canvas);
    if (FImage->IsEmpty() || FImage->LogicalWidth() < 1 || FImage->LogicalHeight() < 1) return;
    TColor key = clNone;
    TBitmap& picture = FComposition.ComposeFrame(*FImage, std::max(FFrameIndex.load(), 0), FTransparent, key);
    std::lock_guard pictureLock(picture.Canvas().Lock());
    TRect target = DestinationRect(picture);
    if (key != clNone && FTransparent)
        StretchDrawTransparent(canvas, target.Left, target.Top, target.Width(), target.Height(), TRect{}, picture,
                               key);
    else
        picture.StretchDraw(canvas, target);
}

// Centring divides truncating toward zero, so a picture larger than the control is cut evenly.
TRect TGIFAnimator::DestinationRect(const TBitmap& picture) const {
    TRect client = PaintClientRect();
    if (FStretch) return client;
    int left = FCenter ? (client.Width() - picture.Width()) / 2 : 0;
    int top = FCenter ? (client.Height() - picture.Height()) / 2 : 0;
    return {left, top, left + picture.Width(), top + picture.Height()};
}

void TGIFAnimator::AdjustToGraphic() {
    if (FAutoSize && !FImage->IsEmpty() && !Loading())
        SetBounds(Left(), Top(), FImage->LogicalWidth(), FImage->LogicalHeight());
    // Toolkit bitmaps are 32-bit and carry no palette to realise: the flag is only acknowledged.
    if (ShownNow() && !Loading()) FImage->SetPaletteChanged(false);
}

void TGIFAnimator::Fire(const TNotifyEvent& event) {
    if (event) event(this);
}

namespace {

using TSwitchSetter = void (TGIFAnimator::*)(bool);
using TEventField = TNotifyEvent TGIFAnimator::*;

TSwitchSetter SwitchSetter(const std::string& name) {
    static const std::array<std::pair<const char*, TSwitchSetter>, 7> setters{{
        {"AsyncDrawing", &TGIFAnimator::SetAsyncDrawing},
        {"Animate", &TGIFAnimator::SetAnimate},
        {"AutoSize", &TGIFAnimator::SetAutoSize},
        {"Center", &TGIFAnimator::SetCenter},
        {"Loop", &TGIFAnimator::SetLoop},
        {"Stretch", &TGIFAnimator::SetStretch},
        {"Transparent", &TGIFAnimator::SetTransparent},
    }};
    for (const auto& [known, setter] : setters)
        if (name == known) return setter;
    return nullptr;
}

TEventField EventField(const std::string& name) {
    static const std::array<std::pair<const char*, TEventField>, 4> events{{
        {"OnChange", &TGIFAnimator::OnChange},
        {"OnFrameChanged", &TGIFAnimator::OnFrameChanged},
        {"OnStart", &TGIFAnimator::OnStart},
        {"OnStop", &TGIFAnimator::OnStop},
    }};
    for (const auto& [known, event] : events)
        if (name == known) return event;
    return nullptr;
}

}  // namespace

bool TGIFAnimator::SetProperty(const TLayoutProperty& p, const TLayoutContext& context) {
    if (TSwitchSetter setter = SwitchSetter(p.Name)) {
        (this->*setter)(LayoutBoolean(p));
    } else if (TEventField event = EventField(p.Name)) {
        this->*event = context.NotifyHandler(LayoutIdentifier(p));
    } else if (p.Name == "FrameIndex") {
        SetFrameIndex(static_cast<int>(LayoutInteger(p)));
    } else if (p.Name == "Image.Data") {
        const auto* resource = std::get_if<TLayoutResource>(&p.Value);
        if (!resource) LayoutFail(p, "resource expected");
        std::vector<std::uint8_t> data = context.Resource(resource->Name);
        LoadImage(data);
        FScaledImages.assign(1, {FImage->LogicalWidth(), std::move(data)});
        FShownImage = 0;
    } else if (p.Name == "Image.ScaledData") {
        if (FScaledImages.empty()) LayoutFail(p, "Image.Data must come first");
        for (const std::string& name : LayoutStrings(p)) {
            std::vector<std::uint8_t> data = context.Resource(name);
            TGIFImage probe;  // read for its size, and refused now if it is no GIF
            probe.LoadFromBytes(data);
            FScaledImages.push_back({probe.LogicalWidth(), std::move(data)});
        }
        ChooseScaledImage();
    } else {
        return TImageControl::SetProperty(p, context);
    }
    return true;
}

void TGIFAnimator::ChooseScaledImage() {
    if (FScaledImages.empty()) return;
    std::vector<int> widths;
    for (const TScaledImage& image : FScaledImages) widths.push_back(image.Width);
    std::size_t chosen = PictureForDpi(widths, PixelsPerInch());
    if (chosen == FShownImage) return;
    FShownImage = chosen;
    LoadImage(FScaledImages[chosen].Data);
}

void RegisterAnimationClasses() { RegisterComponentClass<TGIFAnimator>("TGIFAnimator"); }
