#pragma once
// Reading one image block (descriptor, local colour table, compressed data) into a frame record,
// and applying the graphic control extensions collected before it.
#include <cstdint>

#include "controls/animation/gif/gif_byte_reader.h"
#include "controls/animation/gif/gif_content.h"

inline constexpr std::uint8_t kImageSeparator = 0x2C;

// The reader stands after the separator. The frame's Extensions must already be set; the screen
// gives the global colour table and the size that replaces a width or height of 0. Sub-blocks cut
// off by the end of the stream mark the frame Corrupted (or fail with "Stream read error" when
// corrupt data is not tolerated).
void ReadImageBlock(TGIFByteReader& reader, const TGIFContent& screen, TGIFFrameRecord& frame);

// Reads 2^bitsPerPixel RGB triples.
TGIFColorTable ReadColorTable(TGIFByteReader& reader, int bitsPerPixel);
