#pragma once
// A 32-bit top-down device-independent bitmap with its own memory device context and canvas.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/canvas.h"
#include "toolkit/gdi_objects.h"

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }

    // Resizes; the content becomes black. A size of 0 frees the pixels.
    void SetSize(int width, int height);
    // Loads a BMP file image held in memory (any depth GDI reads), converted to 32 bits.
    void LoadFromBMP(const std::vector<std::uint8_t>& file);

    TCanvas& Canvas() { return FCanvas; }
    // Pixels as 0x00RRGGBB words, row by row from the top.
    std::uint32_t* Bits() { return FBits; }
    const std::uint32_t* Bits() const { return FBits; }

    // Copies the whole bitmap stretched into rect of dest, holding this bitmap's canvas lock.
    void StretchDraw(TCanvas& dest, const TRect& rect);

    // The colour drawn through when the bitmap is drawn transparently (clNone: none).
    TColor TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(TColor color) { FTransparentColor = color; }

private:
    void Release();

    int FWidth = 0;
    int FHeight = 0;
    TBitmapObject FHandle;
    HGDIOBJ FOldBitmap = nullptr;
    std::optional<TMemoryDC> FMemoryDC;  // after FHandle: goes first
    std::uint32_t* FBits = nullptr;
    TColor FTransparentColor = clNone;
    TCanvas FCanvas;
};
