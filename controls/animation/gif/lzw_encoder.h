#pragma once
// The GIF variant of LZW compression, producing frame data as the reader keeps it: the minimum
// code size byte, the data sub-blocks of at most 255 bytes and the zero-length terminator. Starts
// with a clear code, grows the code width up to 12 bits and sends a clear code whenever the table
// is full.
#include <cstdint>
#include <span>
#include <vector>

// minCodeSize is 2-8 and every index is below 2^minCodeSize; anything else fails with
// EInvalidGraphicOperation ("GIF image encoding error").
std::vector<std::uint8_t> EncodeLZW(std::span<const std::uint8_t> indexes, int minCodeSize);
