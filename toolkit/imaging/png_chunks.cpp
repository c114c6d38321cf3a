#include "toolkit/imaging/png_chunks.h"

#include <zlib.h>

#include <algorithm>
#include <array>

#include "toolkit/exceptions.h"

namespace Png {
namespace {

constexpr std::array<std::uint8_t, 8> Signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t MaxChunkLength = 0x7FFFFFFF;
constexpr std::size_t ChunkOverhead = 12;  // length, type and CRC

bool IsAsciiLetter(std::uint8_t byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

std::string ChunkTypeText(std::span<const std::uint8_t> type) {
    if (!std::all_of(type.begin(), type.end(), IsAsciiLetter)) {
        throw EInvalidGraphicOperation("PNG: invalid chunk type");
    }
    return std::string(type.begin(), type.end());
}

std::uint32_t ChunkCrc(std::span<const std::uint8_t> typeAndData) {
    // zlib's crc32 takes a 32-bit length; a chunk is at most 2^31 - 1 bytes plus its type.
    const uLong crc = crc32(0L, Z_NULL, 0);
    return static_cast<std::uint32_t>(
        crc32(crc, typeAndData.data(), static_cast<uInt>(typeAndData.size())));
}

}  // namespace

bool IsCritical(const TChunk& chunk) { return (chunk.Type[0] & 0x20) == 0; }

std::uint32_t ReadBigEndian32(std::span<const std::uint8_t> bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

std::uint16_t ReadBigEndian16(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}

TChunkReader::TChunkReader(std::span<const std::uint8_t> file) : FFile(file), FPosition(Signature.size()) {
    if (file.size() < Signature.size() || !std::equal(Signature.begin(), Signature.end(), file.begin())) {
        throw EInvalidGraphicOperation("PNG: not a PNG file (bad signature)");
    }
}

TChunk TChunkReader::Next() {
    const std::size_t remaining = FFile.size() - FPosition;
    if (remaining < ChunkOverhead) {
        throw EInvalidGraphicOperation("PNG: unexpected end of file");
    }
    const auto header = FFile.subspan(FPosition, 8);
    const std::uint32_t length = ReadBigEndian32(header);
    if (length > MaxChunkLength) {
        throw EInvalidGraphicOperation("PNG: invalid chunk length");
    }
    std::string type = ChunkTypeText(header.subspan(4, 4));
    if (length > remaining - ChunkOverhead) {
        throw EInvalidGraphicOperation("PNG: truncated " + type + " chunk");
    }
    const auto typeAndData = FFile.subspan(FPosition + 4, 4 + std::size_t{length});
    const std::uint32_t storedCrc = ReadBigEndian32(FFile.subspan(FPosition + 8 + length, 4));
    if (ChunkCrc(typeAndData) != storedCrc) {
        throw EInvalidGraphicOperation("PNG: bad CRC in " + type);
    }
    FPosition += ChunkOverhead + length;
    return TChunk{std::move(type), typeAndData.subspan(4)};
}

}  // namespace Png
