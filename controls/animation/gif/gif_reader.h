#pragma once
// ReadGIF: parses a GIF87a or GIF89a stream into image attributes and frame records. Frames keep
// their compressed data; DecodeFrame turns one into a bitmap later.
#include <cstddef>
#include <cstdint>
#include <span>

#include "controls/animation/gif/gif_content.h"

// Replaces everything in content by the GIF read from the first byteCount bytes of source. A
// source holding fewer bytes fails with "Stream read error"; a count of 0 leaves content reset.
// Failures raise EInvalidGraphicOperation; content then holds what was read before the failure
// (the frames read so far), as a failed load leaves them.
void ReadGIF(std::size_t byteCount, std::span<const std::uint8_t> source, TGIFContent& content);

