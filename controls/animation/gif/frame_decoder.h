#pragma once
// DecodeFrame, the portable half: a frame's compressed data becomes an in-memory BMP file that the
// image class loads into a toolkit bitmap.
#include <cstdint>
#include <vector>

#include "controls/animation/gif/gif_progress.h"
#include "controls/animation/gif/gif_types.h"

struct TDecodedFrame {
    std::vector<std::uint8_t> BitmapFile;  // empty when the frame has no data
    bool Corrupted = false;                // the decoder found the data damaged or cut short
};

// Decodes item into a BMP of FrameWidth x FrameHeight at depth 1, 4 or 8 (from BitsPerPixel) with
// ColorTable as its palette. Follows TolerateCorruptData. Fails with "Wrong number of colors;
// must be a power of 2" for a frame without colours, EOutOfResources for a frame too large to
// hold, and the decoder's messages in strict mode.
TDecodedFrame DecodeFrame(const TGIFItem& item, bool interlaced, const TProgressHandler& progress = {});
