#pragma once
// The two decoders the benchmark compares, each reading a whole GIF from memory and decoding
// every frame into colour indexes.
#include <cstdint>
#include <vector>

// Per frame, its colour indexes top row first: to check that both decoders agree.
using TFramePixels = std::vector<std::vector<std::uint8_t>>;

// ReadGIF, then DecodeFrame of every frame. Returns a value taken from the pixels, so that the
// work cannot be optimised away.
std::uint64_t DecodeWithOurs(const std::vector<std::uint8_t>& gif, TFramePixels* pixels = nullptr);

// giflib's DGifOpen on a memory reader, DGifSlurp, DGifCloseFile. Returns a value as above.
std::uint64_t DecodeWithGiflib(const std::vector<std::uint8_t>& gif, TFramePixels* pixels = nullptr);
