#include "controls/animation/stretch_draw_transparent.h"

#include <cstddef>
#include <cstdint>
#include <mutex>

namespace {

// A colour in the bitmap's own pixel layout, 0x00RRGGBB.
std::uint32_t PixelOf(COLORREF color) {
    return (std::uint32_t{GetRValue(color)} << 16) | (std::uint32_t{GetGValue(color)} << 8) | GetBValue(color);
}

void StretchCopy(HDC destination, int left, int top, int width, int height, HDC source, const TRect& from) {
    int oldMode = SetStretchBltMode(destination, COLORONCOLOR);
    StretchBlt(destination, left, top, width, height, source, from.Left, from.Top, from.Width(), from.Height(),
               SRCCOPY);
    SetStretchBltMode(destination, oldMode);
}

std::uint32_t KeyPixel(TBitmap& bitmap, TColor transparentColor) {
    if (transparentColor != clDefault) return PixelOf(ColorToRGB(transparentColor));
    return bitmap.Bits()[static_cast<std::size_t>(bitmap.Height() - 1) * bitmap.Width()] & 0x00FFFFFFu;
}

}  // namespace

void StretchDrawTransparent(TCanvas& destination, int left, int top, int width, int height, const TRect& source,
                            TBitmap& bitmap, TColor transparentColor) {
    HDC target = destination.Handle();
    if (bitmap.Empty() || !target) return;
    std::lock_guard bitmapLock(bitmap.Canvas().Lock());
    if (width < 1) width = bitmap.Width();
    if (height < 1) height = bitmap.Height();
    TRect from = source.Width() < 1 || source.Height() < 1 ? TRect{0, 0, bitmap.Width(), bitmap.Height()} : source;
    if (transparentColor == clNone) {
        StretchCopy(target, left, top, width, height, bitmap.Canvas().Handle(), from);
        return;
    }
    // Scale first, then key: nearest-pixel scaling keeps every colour exact.
    TBitmap scaled;
    scaled.SetSize(width, height);
    StretchCopy(scaled.Canvas().Handle(), 0, 0, width, height, bitmap.Canvas().Handle(), from);
    TBitmap behind;
    behind.SetSize(width, height);
    BitBlt(behind.Canvas().Handle(), 0, 0, width, height, target, left, top, SRCCOPY);
    GdiFlush();
    std::uint32_t key = KeyPixel(bitmap, transparentColor);
    const std::uint32_t* over = scaled.Bits();
    std::uint32_t* result = behind.Bits();
    for (std::size_t i = 0, count = static_cast<std::size_t>(width) * height; i < count; ++i)
        if ((over[i] & 0x00FFFFFFu) != key) result[i] = over[i];
    BitBlt(target, left, top, width, height, behind.Canvas().Handle(), 0, 0, SRCCOPY);
}
