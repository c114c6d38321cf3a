#pragma once
// One frame of a TGIFImage: its compressed data and attributes as read, and the bitmap it is
// decoded into the first time the bitmap or the frame's size is asked for.
#include <memory>
#include <vector>

#include "controls/animation/gif/gif_content.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"

class TGIFFrame {
public:
    explicit TGIFFrame(TGIFFrameRecord record) : FRecord(std::move(record)) {}
    // A copy shares the frame data and decodes on its own.
    std::unique_ptr<TGIFFrame> Clone() const;

    // Decodes on first use; stays empty when the frame has no data. Decoding failures raise the
    // decoder's EInvalidGraphicOperation and leave the frame undecoded.
    TBitmap& Bitmap();
    bool HasBitmap() const { return FBitmap != nullptr && !FBitmap->Empty(); }
    bool HasData() const { return !FRecord.Item->ImageData.empty(); }

    TGIFOrigin Origin() const { return FRecord.Origin; }
    // The bitmap's size, so asking decodes the frame; 0 while the frame has neither bitmap nor data.
    int FrameWidth();
    int FrameHeight();
    TRect FrameRect();  // Origin and size on the logical screen

    TColor TransparentColor() const { return FRecord.TransparentColor; }
    unsigned Delay() const { return FRecord.Delay; }
    int Disposal() const { return FRecord.Disposal; }
    bool Interlaced() const { return FRecord.Interlaced; }
    bool LocalColors() const { return FRecord.LocalColors; }
    bool Corrupted() const { return FRecord.Corrupted; }
    const TGIFItem& Item() const { return *FRecord.Item; }
    const std::vector<TExtension>& Extensions() const { return FRecord.Extensions; }

    // The whole bitmap stretched into rect: keyed on TransparentColor when transparent is set and
    // the frame has one, a plain copy otherwise.
    void DrawFrame(TCanvas& canvas, const TRect& rect, bool transparent);

private:
    TGIFFrameRecord FRecord;
    std::unique_ptr<TBitmap> FBitmap;
};
