#include "controls/animation/gif/lzw_encoder.h"

#include <array>
#include <memory>

#include "toolkit/exceptions.h"

namespace {

constexpr int kMaxCodeWidth = 12;
constexpr int kTableSize = 1 << kMaxCodeWidth;
constexpr int kHashSize = 8192;  // twice the codes, so open addressing stays short
constexpr std::uint32_t kEmptySlot = 0xFFFFFFFF;

// Packs codes least significant bit first and cuts the bytes into sub-blocks.
class TCodeWriter {
public:
    explicit TCodeWriter(std::vector<std::uint8_t>& out) : FOut(out) {}

    void Put(int code, int width) {
        FBits |= static_cast<std::uint32_t>(code) << FBitCount;
        FBitCount += width;
        while (FBitCount >= 8) {
            PutByte(static_cast<std::uint8_t>(FBits));
            FBits >>= 8;
            FBitCount -= 8;
        }
    }

    void Finish() {
        if (FBitCount > 0) PutByte(static_cast<std::uint8_t>(FBits));
        if (FBlockLength > 0) FOut[FOut.size() - FBlockLength - 1] = static_cast<std::uint8_t>(FBlockLength);
        FOut.push_back(0);
    }

private:
    std::vector<std::uint8_t>& FOut;
    std::uint32_t FBits = 0;
    int FBitCount = 0;
    std::size_t FBlockLength = 0;

    void PutByte(std::uint8_t byte) {
        if (FBlockLength == 0) FOut.push_back(0);  // length byte, filled in when the block is done
        FOut.push_back(byte);
        if (++FBlockLength == 255) {
            FOut[FOut.size() - 256] = 255;
            FBlockLength = 0;
        }
    }
};

// The string table: (prefix code, next index) -> code, hashed.
class TStringTable {
public:
    TStringTable() : FSlots(std::make_unique<std::array<std::uint32_t, kHashSize>>()) { Clear(); }

    void Clear() { FSlots->fill(kEmptySlot); }

    int Find(int prefix, int index) const {
        std::uint32_t key = Key(prefix, index);
        for (std::size_t slot = Hash(key);; slot = (slot + 1) % kHashSize) {
            std::uint32_t entry = (*FSlots)[slot];
            if (entry == kEmptySlot) return -1;
            if ((entry >> 12) == key) return static_cast<int>(entry & 0xFFF);
        }
    }

    void Add(int prefix, int index, int code) {
        std::uint32_t key = Key(prefix, index);
        std::size_t slot = Hash(key);
        while ((*FSlots)[slot] != kEmptySlot) slot = (slot + 1) % kHashSize;
        (*FSlots)[slot] = (key << 12) | static_cast<std::uint32_t>(code);
    }

private:
    std::unique_ptr<std::array<std::uint32_t, kHashSize>> FSlots;

    static std::uint32_t Key(int prefix, int index) {
        return (static_cast<std::uint32_t>(prefix) << 8) | static_cast<std::uint32_t>(index);
    }
    static std::size_t Hash(std::uint32_t key) { return (key * 2654435761u) >> 19; }
};

class TLZWEncoder {
public:
    TLZWEncoder(int minCodeSize, std::vector<std::uint8_t>& out)
        : FCodes(out), FClearCode(1 << minCodeSize), FCodeSize(minCodeSize) {}

    void Encode(std::span<const std::uint8_t> indexes) {
        Restart();
        if (indexes.empty()) return Finish(-1);
        int current = Checked(indexes[0]);
        for (std::size_t i = 1; i < indexes.size(); ++i) {
            int index = Checked(indexes[i]);
            int extended = FTable.Find(current, index);
            if (extended >= 0) {
                current = extended;
                continue;
            }
            FCodes.Put(current, FWidth);
            if (FNextFree < kTableSize) {
                FTable.Add(current, index, FNextFree);
                CountCode();
            } else {
                Restart();
            }
            current = index;
        }
        Finish(current);
    }

private:
    TCodeWriter FCodes;
    TStringTable FTable;
    int FClearCode;
    int FCodeSize;
    int FWidth = 0;
    int FNextFree = 0;

    int Checked(std::uint8_t index) const {
        if (index >= FClearCode) throw EInvalidGraphicOperation("GIF image encoding error");
        return index;
    }

    void Restart() {
        FCodes.Put(FClearCode, FWidth == 0 ? FCodeSize + 1 : FWidth);
        FTable.Clear();
        FWidth = FCodeSize + 1;
        FNextFree = FClearCode + 2;
    }

    // The decoder defines each code one step after the encoder, and widens after defining code
    // 2^width - 1; counting a code here keeps the two widths in step.
    void CountCode() {
        if (FNextFree >= kTableSize) return;
        ++FNextFree;
        if (FNextFree > (1 << FWidth) && FWidth < kMaxCodeWidth) ++FWidth;
    }

    void Finish(int current) {
        if (current >= 0) {
            FCodes.Put(current, FWidth);
            CountCode();
        }
        FCodes.Put(FClearCode + 1, FWidth);
        FCodes.Finish();
    }
};

}  // namespace

std::vector<std::uint8_t> EncodeLZW(std::span<const std::uint8_t> indexes, int minCodeSize) {
    if (minCodeSize < 2 || minCodeSize > 8) throw EInvalidGraphicOperation("GIF image encoding error");
    std::vector<std::uint8_t> data{static_cast<std::uint8_t>(minCodeSize)};
    TLZWEncoder(minCodeSize, data).Encode(indexes);
    return data;
}
