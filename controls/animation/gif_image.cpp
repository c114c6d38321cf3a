#include "controls/animation/gif_image.h"

#include <algorithm>

#include "controls/animation/gif/gif_reader.h"
#include "toolkit/exceptions.h"

namespace {
constexpr const char* kCannotChangeSize = "Cannot change the Size of a GIF image";
}

void TGIFImage::Reset() {
    FFrames.clear();
    FData = std::make_shared<TGIFData>();
    FCurrentFrame = -1;
    FLogicalWidth = FLogicalHeight = 0;
    FBackgroundColor = clNone;
    FLooping = false;
    FLoopCount = 1;
    FVersion = TGIFVersion::gvNone;
}

void TGIFImage::Adopt(TGIFContent& content) {
    FVersion = content.Version;
    FLogicalWidth = content.LogicalWidth;
    FLogicalHeight = content.LogicalHeight;
    FBackgroundColor = content.BackgroundColor;
    FLooping = content.Looping;
    FLoopCount = content.LoopCount;
    FData = content.Data;
    for (TGIFFrameRecord& record : content.Frames) FFrames.push_back(std::make_unique<TGIFFrame>(std::move(record)));
}

void TGIFImage::ReadGIF(std::size_t byteCount, std::span<const std::uint8_t> source, bool decodeFirstFrame) {
    Reset();
    TGIFContent content;
    try {
        ::ReadGIF(byteCount, source, content);
    } catch (...) {
        Adopt(content);
        throw;
    }
    Adopt(content);
    if (!FFrames.empty()) {
        FCurrentFrame = 0;
        if (decodeFirstFrame) DecodeFirstFrame();
    }
    Changed();
}

// A first frame that cannot be decoded fails the load and is not kept.
void TGIFImage::DecodeFirstFrame() {
    try {
        FFrames.front()->Bitmap();
    } catch (...) {
        FFrames.erase(FFrames.begin());
        FCurrentFrame = -1;
        throw;
    }
}

void TGIFImage::Changed() {
    FPaletteChanged = true;
    if (OnChange) OnChange();
}

void TGIFImage::Assign(const TGIFImage& other) {
    if (&other != this) CopyFrom(other);
    Changed();
}

void TGIFImage::CopyFrom(const TGIFImage& other) {
    FFrames.clear();
    for (const auto& frame : other.FFrames) FFrames.push_back(frame->Clone());
    FData = other.FData;
    FCurrentFrame = other.FCurrentFrame;
    FLogicalWidth = other.FLogicalWidth;
    FLogicalHeight = other.FLogicalHeight;
    FBackgroundColor = other.FBackgroundColor;
    FLooping = other.FLooping;
    FLoopCount = other.FLoopCount;
    FVersion = other.FVersion;
    FUseTransparency = other.FUseTransparency;
}

bool TGIFImage::IsEmpty() const {
    if (FFrames.empty()) return true;
    const TGIFFrame& frame = *FFrames.at(static_cast<std::size_t>(std::max(FCurrentFrame, 0)));
    return !frame.HasBitmap() && !frame.HasData();
}

bool TGIFImage::IsTransparent() const {
    return FUseTransparency && std::any_of(FFrames.begin(), FFrames.end(), [](const auto& frame) {
               return frame->TransparentColor() != clNone;
           });
}

TGIFFrame* TGIFImage::CurrentFrameOrNull() {
    if (FCurrentFrame < 0 || FCurrentFrame >= FrameCount()) return nullptr;
    return FFrames[static_cast<std::size_t>(FCurrentFrame)].get();
}

int TGIFImage::Width() {
    TGIFFrame* frame = CurrentFrameOrNull();
    return frame ? frame->Bitmap().Width() : 0;
}

int TGIFImage::Height() {
    TGIFFrame* frame = CurrentFrameOrNull();
    return frame ? frame->Bitmap().Height() : 0;
}

void TGIFImage::SetWidth(int) { throw EInvalidGraphicOperation(kCannotChangeSize); }

void TGIFImage::SetHeight(int) { throw EInvalidGraphicOperation(kCannotChangeSize); }

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
    if (TGIFFrame* frame = CurrentFrameOrNull()) frame->DrawFrame(canvas, rect, IsTransparent());
}
