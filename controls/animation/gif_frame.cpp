#include "controls/animation/gif_frame.h"

#include "controls/animation/gif/frame_decoder.h"
#include "controls/animation/stretch_draw_transparent.h"

std::unique_ptr<TGIFFrame> TGIFFrame::Clone() const { return std::make_unique<TGIFFrame>(FRecord); }

TBitmap& TGIFFrame::Bitmap() {
    if (HasBitmap()) return *FBitmap;
    auto bitmap = std::make_unique<TBitmap>();
    if (HasData()) {
        TDecodedFrame decoded = DecodeFrame(*FRecord.Item, FRecord.Interlaced);
        bitmap->LoadFromBMP(decoded.BitmapFile);
        FRecord.Corrupted = FRecord.Corrupted || decoded.Corrupted;
    }
    FBitmap = std::move(bitmap);
    return *FBitmap;
}

int TGIFFrame::FrameWidth() { return HasBitmap() || HasData() ? Bitmap().Width() : 0; }

int TGIFFrame::FrameHeight() { return HasBitmap() || HasData() ? Bitmap().Height() : 0; }

TRect TGIFFrame::FrameRect() {
    TGIFOrigin origin = Origin();
    return {origin.Left, origin.Top, origin.Left + FrameWidth(), origin.Top + FrameHeight()};
}

void TGIFFrame::DrawFrame(TCanvas& canvas, const TRect& rect, bool transparent) {
    TBitmap& bitmap = Bitmap();
    if (transparent && TransparentColor() != clNone)
        StretchDrawTransparent(canvas, rect.Left, rect.Top, rect.Width(), rect.Height(), TRect{}, bitmap,
                               TransparentColor());
    else
        bitmap.StretchDraw(canvas, rect);
}
