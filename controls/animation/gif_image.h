#pragma once
// A GIF image with all its frames: read from a GIF87a or GIF89a stream, each frame kept compressed
// as read and decoded into a bitmap the first time it is needed.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "controls/animation/gif/gif_content.h"
#include "controls/animation/gif_frame.h"
#include "toolkit/canvas.h"

class TGIFImage {
public:
    TGIFImage() = default;
    TGIFImage(const TGIFImage&) = delete;
    TGIFImage& operator=(const TGIFImage&) = delete;

    // Replaces everything by the GIF in the first byteCount bytes of source, decoding frame 0 when
    // asked. A failure raises EInvalidGraphicOperation and leaves the frames read before it, with
    // CurrentFrame -1 and no change notification; a frame 0 that fails to decode is removed.
    void ReadGIF(std::size_t byteCount, std::span<const std::uint8_t> source, bool decodeFirstFrame);
    // The whole of bytes, decoding frame 0.
    void LoadFromBytes(std::span<const std::uint8_t> bytes) { ReadGIF(bytes.size(), bytes, true); }
    // Shares the other's screen data and copies its frames and attributes.
    void Assign(const TGIFImage& other);

    int FrameCount() const { return static_cast<int>(FFrames.size()); }
    TGIFFrame& Frame(int index) { return *FFrames.at(static_cast<std::size_t>(index)); }
    int CurrentFrame() const { return FCurrentFrame; }

    int LogicalWidth() const { return FFrames.empty() ? 0 : FLogicalWidth; }
    int LogicalHeight() const { return FFrames.empty() ? 0 : FLogicalHeight; }
    TColor BackgroundColor() const { return FBackgroundColor; }
    bool Looping() const { return FLooping; }
    std::uint16_t LoopCount() const { return FLoopCount; }
    TGIFVersion Version() const { return FVersion; }
    const TGIFData& Data() const { return *FData; }
    bool UseTransparency() const { return FUseTransparency; }
    void SetUseTransparency(bool use) { FUseTransparency = use; }

    // No frames, or the current frame (frame 0 while there is none) has neither bitmap nor data.
    bool IsEmpty() const;
    // Transparency is used and some frame has a transparent colour.
    bool IsTransparent() const;

    // The current frame's bitmap size; 0 when empty or CurrentFrame lies outside the frames.
    int Width();
    int Height();
    // A GIF's size is its frames': both fail with "Cannot change the Size of a GIF image".
    void SetWidth(int width);
    void SetHeight(int height);
    // The current frame, keyed on its transparent colour when IsTransparent.
    void Draw(TCanvas& canvas, const TRect& rect);

    // Called after every completed load or assignment.
    std::function<void()> OnChange;
    // Set by every completed load; the owner clears it once it has dealt with the palette.
    bool PaletteChanged() const { return FPaletteChanged; }
    void SetPaletteChanged(bool changed) { FPaletteChanged = changed; }

private:
    void Reset();
    void Adopt(TGIFContent& content);
    void DecodeFirstFrame();
    void CopyFrom(const TGIFImage& other);
    TGIFFrame* CurrentFrameOrNull();
    void Changed();

    std::vector<std::unique_ptr<TGIFFrame>> FFrames;
    int FCurrentFrame = -1;
    std::uint16_t FLogicalWidth = 0;
    std::uint16_t FLogicalHeight = 0;
    TColor FBackgroundColor = clNone;
    bool FLooping = false;
    std::uint16_t FLoopCount = 1;
    TGIFVersion FVersion = TGIFVersion::gvNone;
    bool FUseTransparency = true;
    std::shared_ptr<TGIFData> FData = std::make_shared<TGIFData>();
    bool FPaletteChanged = false;
};
