#include "controls/animation/gif/gif_byte_reader.h"

#include "controls/animation/gif/gif_errors.h"

std::uint8_t TGIFByteReader::ReadByte() { return ReadBytes(1)[0]; }

std::uint16_t TGIFByteReader::ReadWord() {
    std::span<const std::uint8_t> bytes = ReadBytes(2);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::span<const std::uint8_t> TGIFByteReader::ReadBytes(std::size_t count) {
    if (count > Remaining()) throw EInvalidGraphicOperation(kStreamReadError);
    std::span<const std::uint8_t> bytes = FBytes.subspan(FPosition, count);
    FPosition += count;
    return bytes;
}
