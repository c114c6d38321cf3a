#pragma once
// The GIF variant of LZW decompression, writing colour indexes straight into bitmap rows.
#include <cstdint>
#include <span>

#include "controls/animation/gif/gif_pixel_rows.h"
#include "controls/animation/gif/gif_progress.h"

// Decodes frameData (the LZW minimum code size byte, then the data sub-blocks) into rows, whose
// bytes must be zeroed beforehand. bitsPerPixel (1-8) gives the mask applied to colour indexes.
// Returns true when the data proved damaged or ended before the last row; decoding then stops
// there and pixels not reached keep index 0. Without tolerateCorruptData, damage raises
// EInvalidGraphicOperation instead ("GIF code size not in range 2 to 9", "GIF encoded data is
// corrupt", or "Stream read error" for data that ends too early). Whatever the data, nothing
// outside the code tables, the output stack, frameData or the rows is read or written.
bool DecodeLZW(std::span<const std::uint8_t> frameData, const TGIFPixelRows& rows, int bitsPerPixel,
               bool tolerateCorruptData, const TProgressHandler& progress = {});
