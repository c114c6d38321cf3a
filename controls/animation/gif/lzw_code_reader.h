#pragma once
// Reads variable-width LZW codes, least significant bit first, from GIF data sub-blocks. Bits are
// buffered in one 64-bit word, refilled from the current sub-block; the next sub-block is fetched
// only when the buffered bits do not cover the next code. Never reads past the data: a zero
// length byte or the end of the data ends the codes, and a length byte announcing more than the
// data holds is cut to what is there.
#include <cstddef>
#include <cstdint>
#include <span>

class TLZWCodeReader {
public:
    // sub-blocks: the frame data after its code size byte.
    explicit TLZWCodeReader(std::span<const std::uint8_t> subBlocks)
        : FPosition(subBlocks.data()),
          FBlockEnd(subBlocks.data()),
          FEnd(subBlocks.data() + subBlocks.size()) {}

    // False when the data ended before a whole code of this width (at most 12 bits).
    bool Read(int width, int& code) {
        while (FBitCount < width) {
            if (FPosition == FBlockEnd && !NextBlock()) return false;
            Refill();
        }
        code = static_cast<int>(FBits & ((std::uint64_t{1} << width) - 1));
        FBits >>= width;
        FBitCount -= width;
        return true;
    }

    // Where reading stands, for the progress notification.
    const std::uint8_t* Position() const { return FPosition; }

private:
    const std::uint8_t* FPosition;
    const std::uint8_t* FBlockEnd;
    const std::uint8_t* FEnd;
    std::uint64_t FBits = 0;
    int FBitCount = 0;

    bool NextBlock() {
        if (FPosition == FEnd) return false;
        std::size_t length = *FPosition++;
        std::size_t available = static_cast<std::size_t>(FEnd - FPosition);
        if (length == 0 || available == 0) {
            FEnd = FPosition;  // ended: later reads fail at once
            FBlockEnd = FPosition;
            return false;
        }
        FBlockEnd = FPosition + (length < available ? length : available);
        return true;
    }

    void Refill() {
        while (FBitCount <= 56 && FPosition != FBlockEnd) {
            FBits |= std::uint64_t{*FPosition++} << FBitCount;
            FBitCount += 8;
        }
    }
};
