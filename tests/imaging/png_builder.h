#pragma once
// Building small PNG files in tests: chunks with correct CRCs around hand-made data.
#include <cstdint>
#include <string>
#include <vector>

struct TTestChunk {
    std::string Type;
    std::vector<std::uint8_t> Data;
};

std::vector<std::uint8_t> HeaderData(std::uint32_t width, std::uint32_t height, std::uint8_t bitDepth,
                                     std::uint8_t colourType, std::uint8_t interlace = 0);
// zlib format, as IDAT carries it.
std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& raw);
// The signature followed by each chunk with its length and CRC.
std::vector<std::uint8_t> AssemblePng(const std::vector<TTestChunk>& chunks);
