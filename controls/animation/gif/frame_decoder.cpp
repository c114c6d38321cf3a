#include "controls/animation/gif/frame_decoder.h"

#include "controls/animation/gif/frame_bitmap.h"
#include "controls/animation/gif/gif_settings.h"
#include "controls/animation/gif/lzw_decoder.h"

TDecodedFrame DecodeFrame(const TGIFItem& item, bool interlaced, const TProgressHandler& progress) {
    TDecodedFrame decoded;
    if (item.ImageData.empty()) return decoded;
    int depth = BitmapDepthFor(item.BitsPerPixel);
    int width = item.FrameWidth;
    int height = item.FrameHeight;
    decoded.BitmapFile = MakeBitmapFile(width, height, depth, item.ColorTable);
    TGIFPixelRows rows = PixelRowsOf(decoded.BitmapFile, width, height, depth, interlaced);
    decoded.Corrupted = DecodeLZW(item.ImageData, rows, item.BitsPerPixel, TolerateCorruptData, progress);
    return decoded;
}
