#include "tests/imaging/png_builder.h"

#include <zlib.h>

#include <stdexcept>

namespace {

void AppendBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

}  // namespace

std::vector<std::uint8_t> HeaderData(std::uint32_t width, std::uint32_t height, std::uint8_t bitDepth,
                                     std::uint8_t colourType, std::uint8_t interlace) {
    std::vector<std::uint8_t> data;
    AppendBigEndian32(data, width);
    AppendBigEndian32(data, height);
    data.insert(data.end(), {bitDepth, colourType, 0, 0, interlace});
    return data;
}

std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(size);
    if (compress(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size())) != Z_OK) {
        throw std::runtime_error("compress failed");
    }
    packed.resize(size);
    return packed;
}

std::vector<std::uint8_t> AssemblePng(const std::vector<TTestChunk>& chunks) {
    std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const TTestChunk& chunk : chunks) {
        AppendBigEndian32(file, static_cast<std::uint32_t>(chunk.Data.size()));
        const std::size_t typeStart = file.size();
        file.insert(file.end(), chunk.Type.begin(), chunk.Type.end());
        file.insert(file.end(), chunk.Data.begin(), chunk.Data.end());
        const uLong crc = crc32(crc32(0L, Z_NULL, 0), file.data() + typeStart,
                                static_cast<uInt>(file.size() - typeStart));
        AppendBigEndian32(file, static_cast<std::uint32_t>(crc));
    }
    return file;
}
