#pragma once
// Reading a PNG file as its sequence of chunks: the signature, then length, type, data and CRC of
// each chunk. Every CRC is checked here, so later stages only see intact chunks.
#include <cstdint>
#include <span>
#include <string>

namespace Png {

struct TChunk {
    std::string Type;                    // four ASCII letters, e.g. "IHDR"
    std::span<const std::uint8_t> Data;  // points into the file
};

// The fifth bit of the first letter is clear (an upper-case letter) for chunks a decoder must understand.
bool IsCritical(const TChunk& chunk);

class TChunkReader {
public:
    // Raises EInvalidGraphicOperation unless the file begins with the PNG signature.
    explicit TChunkReader(std::span<const std::uint8_t> file);

    bool AtEnd() const { return FPosition == FFile.size(); }
    // Raises EInvalidGraphicOperation for a truncated chunk, a bad type or a bad CRC.
    TChunk Next();

private:
    std::span<const std::uint8_t> FFile;
    std::size_t FPosition;
};

std::uint32_t ReadBigEndian32(std::span<const std::uint8_t> bytes);
std::uint16_t ReadBigEndian16(std::span<const std::uint8_t> bytes);

}  // namespace Png
