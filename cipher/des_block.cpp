// The bit work of DES. Every permutation is a plain loop that tests one input bit and sets
// one output bit per table entry: the unit enciphers a few blocks per user action, so
// clarity wins over precomputed lookup tables.
#include "cipher/des_block.h"

#include "cipher/des_tables.h"

#include <cstddef>

TSubKeyTable SubKeyTable{};

namespace {

template <std::size_t Bytes>
bool BitAt(const std::array<std::uint8_t, Bytes>& bytes, std::size_t position)
{
    return (bytes[position / 8] >> (7 - position % 8)) & 1;
}

template <std::size_t Bytes>
void SetBit(std::array<std::uint8_t, Bytes>& bytes, std::size_t position)
{
    bytes[position / 8] |= static_cast<std::uint8_t>(0x80 >> (position % 8));
}

// Output bit i := input bit table[i]; output bits beyond the table stay zero.
template <std::size_t InBytes, typename Entry, std::size_t Count, std::size_t OutBytes>
void Permute(const std::array<std::uint8_t, InBytes>& input, const std::array<Entry, Count>& table,
             std::array<std::uint8_t, OutBytes>& output)
{
    static_assert(Count <= OutBytes * 8);
    output.fill(0);
    for (std::size_t i = 0; i < Count; ++i)
        if (BitAt(input, static_cast<std::size_t>(table[i]))) SetBit(output, i);
}

// In place: the result is built apart, so no input bit is read after it was overwritten.
template <std::size_t Bytes, typename Entry, std::size_t Count>
void PermuteInPlace(std::array<std::uint8_t, Bytes>& bits, const std::array<Entry, Count>& table)
{
    std::array<std::uint8_t, Bytes> result;
    Permute(bits, table, result);
    bits = result;
}

std::uint8_t Byte(unsigned value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

// C = permuted key positions 0-27, D = positions 28-55, each right-aligned in 4 bytes.
void SplitPermutedKey(const TPermutedKey& p, TKeyHalf& c, TKeyHalf& d)
{
    c = {Byte(p[0] >> 4), Byte(p[0] << 4 | p[1] >> 4), Byte(p[1] << 4 | p[2] >> 4),
         Byte(p[2] << 4 | p[3] >> 4)};
    d = {Byte(p[3] & 0x0F), p[4], p[5], p[6]};
}

// The 28 bits of C followed by the 28 bits of D, most significant first.
TPermutedKey JoinKeyHalves(const TKeyHalf& c, const TKeyHalf& d)
{
    return {Byte(c[0] << 4 | c[1] >> 4), Byte(c[1] << 4 | c[2] >> 4), Byte(c[2] << 4 | c[3] >> 4),
            Byte(c[3] << 4 | (d[0] & 0x0F)), d[1], d[2], d[3]};
}

// Group g (0-7) of a 48-bit string: positions 6g to 6g + 5, most significant first.
std::uint8_t SixBitGroup(const TExpandedHalf& bits, std::size_t group)
{
    unsigned value = 0;
    for (std::size_t position = group * 6; position < group * 6 + 6; ++position)
        value = value << 1 | BitAt(bits, position);
    return Byte(value);
}

// One Feistel round: L' = R, R' = L XOR f(R, K).
void RunRound(TDesBlock& block, const TSubKey& subKey)
{
    THalfBlock savedLeft;
    for (std::size_t i = 0; i < 4; ++i) {
        savedLeft[i] = block[i];
        block[i] = block[i + 4];
    }
    THalfBlock mixed;
    RoundFunction(block, subKey, mixed);
    for (std::size_t i = 0; i < 4; ++i) block[i + 4] = savedLeft[i] ^ mixed[i];
}

void SwapHalves(TDesBlock& block)
{
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint8_t left = block[i];
        block[i] = block[i + 4];
        block[i + 4] = left;
    }
}

}  // namespace

void PermuteInitial(TDesBlock& block)
{
    PermuteInPlace(block, InitialPermutation);
}

void PermuteFinal(TDesBlock& block)
{
    PermuteInPlace(block, FinalPermutation);
}

void ExpandHalf(const TDesBlock& block, TExpandedHalf& output)
{
    Permute(block, Expansion, output);
}

void PermuteRound(THalfBlock& half)
{
    PermuteInPlace(half, RoundPermutation);
}

std::uint8_t SubstituteBox(std::uint8_t box, std::uint8_t value)
{
    const unsigned row = (value & 0x20) >> 4 | (value & 0x01);
    const unsigned column = (value & 0x1E) >> 1;
    return SubstitutionBoxes[(box & 0x07) * 64u + row * 16 + column] & 0x0F;
}

void PermuteChoice1(const TDesKey& key, TPermutedKey& output)
{
    Permute(key, PermutedChoice1, output);
}

void PermuteChoice2(const TPermutedKey& joinedHalves, TSubKey& output)
{
    Permute(joinedHalves, PermutedChoice2, output);
}

void RotateKeyHalf(TKeyHalf& half, std::uint8_t count)
{
    for (unsigned step = 0; step < count; ++step) {
        const unsigned leaving = (half[0] >> 3) & 1;  // position 0 of the 28 bits
        half[0] = Byte((half[0] << 1 | half[1] >> 7) & 0x0F);
        half[1] = Byte(half[1] << 1 | half[2] >> 7);
        half[2] = Byte(half[2] << 1 | half[3] >> 7);
        half[3] = Byte(half[3] << 1 | leaving);
    }
}

void BuildSubKeys(const TDesKey& key, TSubKeyTable& table)
{
    TPermutedKey permuted;
    PermuteChoice1(key, permuted);
    TKeyHalf c;
    TKeyHalf d;
    SplitPermutedKey(permuted, c, d);
    for (std::size_t round = 0; round < table.size(); ++round) {
        RotateKeyHalf(c, KeyRotations[round]);
        RotateKeyHalf(d, KeyRotations[round]);
        PermuteChoice2(JoinKeyHalves(c, d), table[round]);
    }
}

void RoundFunction(const TDesBlock& block, const TSubKey& subKey, THalfBlock& output)
{
    TExpandedHalf mixed;
    ExpandHalf(block, mixed);
    for (std::size_t i = 0; i < mixed.size(); ++i) mixed[i] ^= subKey[i];
    std::array<std::uint8_t, 8> boxed;
    for (std::size_t group = 0; group < boxed.size(); ++group)
        boxed[group] = SubstituteBox(static_cast<std::uint8_t>(group), SixBitGroup(mixed, group));
    // Two S-box outputs to a byte, the lower-numbered box in the high nibble.
    for (std::size_t m = 0; m < output.size(); ++m)
        output[m] = Byte(boxed[2 * m] << 4 | boxed[2 * m + 1]);
    PermuteRound(output);
}

void CipherBlock(TCipherMode mode, const TDesBlock& input, TDesBlock& output)
{
    output = input;
    PermuteInitial(output);
    for (std::size_t round = 0; round < SubKeyTable.size(); ++round) {
        const std::size_t entry = mode == cmEncipher ? round : SubKeyTable.size() - 1 - round;
        RunRound(output, SubKeyTable[entry]);
    }
    SwapHalves(output);  // the standard's pre-output is R16 L16
    PermuteFinal(output);
}
