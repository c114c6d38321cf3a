#pragma once
// What ReadGIF produces: the image attributes and the frames, in stream order, before any decoding.
// The image class copies these into its frames; a frame's bitmap is made later by DecodeFrame.
#include <cstdint>
#include <memory>
#include <vector>

#include "controls/animation/gif/gif_types.h"
#include "toolkit/color_value.h"

enum class TGIFVersion { gvNone, gv87a, gv89a };

struct TGIFOrigin {
    int Left = 0;
    int Top = 0;
};

struct TGIFFrameRecord {
    TGIFOrigin Origin;
    std::shared_ptr<TGIFItem> Item = std::make_shared<TGIFItem>();
    std::vector<TExtension> Extensions;  // graphic control and comment extensions read before it
    bool Interlaced = false;
    bool Corrupted = false;  // the data was cut off; decoding may add more damage
    bool LocalColors = false;
    TColor TransparentColor = clNone;
    unsigned Delay = 0;  // milliseconds
    int Disposal = 0;    // 0 unspecified, 1 leave, 2 restore background, 3 restore previous, 4-7 reserved
};

struct TGIFContent {
    TGIFVersion Version = TGIFVersion::gvNone;
    std::uint16_t LogicalWidth = 0;
    std::uint16_t LogicalHeight = 0;
    TColor BackgroundColor = clNone;
    bool Looping = false;
    std::uint16_t LoopCount = 1;
    std::shared_ptr<TGIFData> Data = std::make_shared<TGIFData>();
    std::vector<TGIFFrameRecord> Frames;
};
