#pragma once
// A cursor over the bytes of one GIF stream. Reading past the end fails with "Stream read error";
// callers that tolerate a cut-off stream ask AtEnd or Remaining first.
#include <cstddef>
#include <cstdint>
#include <span>

class TGIFByteReader {
public:
    explicit TGIFByteReader(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}

    bool AtEnd() const { return FPosition == FBytes.size(); }
    std::size_t Remaining() const { return FBytes.size() - FPosition; }

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();  // 16-bit little-endian
    std::span<const std::uint8_t> ReadBytes(std::size_t count);

private:
    std::span<const std::uint8_t> FBytes;
    std::size_t FPosition = 0;
};
