// The standard's tables of DES, transcribed from FIPS PUB 46-3. The standard numbers bits
// from 1; every position here is that number less one, so the tables index the packed
// byte arrays of des_block.cpp directly. The compile-time checks below catch a mistyped
// entry that would leave a permutation incomplete or reach outside its input.
#include "cipher/des_tables.h"

#include <cstddef>
#include <numeric>

namespace {

template <typename Entry, std::size_t Count>
constexpr bool EntriesBelow(const std::array<Entry, Count>& table, int limit)
{
    for (Entry entry : table) {
        const int position = entry;
        if (position < 0 || position >= limit) return false;
    }
    return true;
}

template <typename Entry, std::size_t Count>
constexpr bool EntriesDistinct(const std::array<Entry, Count>& table)
{
    for (std::size_t i = 0; i < Count; ++i)
        for (std::size_t j = i + 1; j < Count; ++j)
            if (table[i] == table[j]) return false;
    return true;
}

}  // namespace

// IP: the block's bits reordered before the first round.
extern constexpr std::array<std::uint8_t, 64> InitialPermutation{
    57, 49, 41, 33, 25, 17,  9,  1,
    59, 51, 43, 35, 27, 19, 11,  3,
    61, 53, 45, 37, 29, 21, 13,  5,
    63, 55, 47, 39, 31, 23, 15,  7,
    56, 48, 40, 32, 24, 16,  8,  0,
    58, 50, 42, 34, 26, 18, 10,  2,
    60, 52, 44, 36, 28, 20, 12,  4,
    62, 54, 46, 38, 30, 22, 14,  6,
};

// IP^-1: undoes IP after the last round.
extern constexpr std::array<std::uint8_t, 64> FinalPermutation{
    39,  7, 47, 15, 55, 23, 63, 31,
    38,  6, 46, 14, 54, 22, 62, 30,
    37,  5, 45, 13, 53, 21, 61, 29,
    36,  4, 44, 12, 52, 20, 60, 28,
    35,  3, 43, 11, 51, 19, 59, 27,
    34,  2, 42, 10, 50, 18, 58, 26,
    33,  1, 41,  9, 49, 17, 57, 25,
    32,  0, 40,  8, 48, 16, 56, 24,
};

// E: widens a 32-bit half to 48 bits; the edge bits of each 4-bit group appear twice.
extern constexpr std::array<std::int32_t, 48> Expansion{
    31,  0,  1,  2,  3,  4,
     3,  4,  5,  6,  7,  8,
     7,  8,  9, 10, 11, 12,
    11, 12, 13, 14, 15, 16,
    15, 16, 17, 18, 19, 20,
    19, 20, 21, 22, 23, 24,
    23, 24, 25, 26, 27, 28,
    27, 28, 29, 30, 31,  0,
};

// P: reorders the 32 S-box output bits of a round.
extern constexpr std::array<std::uint8_t, 32> RoundPermutation{
    15,  6, 19, 20, 28, 11, 27, 16,
     0, 14, 22, 25,  4, 17, 30,  9,
     1,  7, 23, 13, 31, 26,  2,  8,
    18, 12, 29,  5, 21, 10,  3, 24,
};

// S1 to S8, box after box; each box is 4 rows of 16 four-bit values.
extern constexpr std::array<std::uint8_t, 512> SubstitutionBoxes{
    // S1
    14,  4, 13,  1,  2, 15, 11,  8,  3, 10,  6, 12,  5,  9,  0,  7,
     0, 15,  7,  4, 14,  2, 13,  1, 10,  6, 12, 11,  9,  5,  3,  8,
     4,  1, 14,  8, 13,  6,  2, 11, 15, 12,  9,  7,  3, 10,  5,  0,
    15, 12,  8,  2,  4,  9,  1,  7,  5, 11,  3, 14, 10,  0,  6, 13,
    // S2
    15,  1,  8, 14,  6, 11,  3,  4,  9,  7,  2, 13, 12,  0,  5, 10,
     3, 13,  4,  7, 15,  2,  8, 14, 12,  0,  1, 10,  6,  9, 11,  5,
     0, 14,  7, 11, 10,  4, 13,  1,  5,  8, 12,  6,  9,  3,  2, 15,
    13,  8, 10,  1,  3, 15,  4,  2, 11,  6,  7, 12,  0,  5, 14,  9,
    // S3
    10,  0,  9, 14,  6,  3, 15,  5,  1, 13, 12,  7, 11,  4,  2,  8,
    13,  7,  0,  9,  3,  4,  6, 10,  2,  8,  5, 14, 12, 11, 15,  1,
    13,  6,  4,  9,  8, 15,  3,  0, 11,  1,  2, 12,  5, 10, 14,  7,
     1, 10, 13,  0,  6,  9,  8,  7,  4, 15, 14,  3, 11,  5,  2, 12,
    // S4
     7, 13, 14,  3,  0,  6,  9, 10,  1,  2,  8,  5, 11, 12,  4, 15,
    13,  8, 11,  5,  6, 15,  0,  3,  4,  7,  2, 12,  1, 10, 14,  9,
    10,  6,  9,  0, 12, 11,  7, 13, 15,  1,  3, 14,  5,  2,  8,  4,
     3, 15,  0,  6, 10,  1, 13,  8,  9,  4,  5, 11, 12,  7,  2, 14,
    // S5
     2, 12,  4,  1,  7, 10, 11,  6,  8,  5,  3, 15, 13,  0, 14,  9,
    14, 11,  2, 12,  4,  7, 13,  1,  5,  0, 15, 10,  3,  9,  8,  6,
     4,  2,  1, 11, 10, 13,  7,  8, 15,  9, 12,  5,  6,  3,  0, 14,
    11,  8, 12,  7,  1, 14,  2, 13,  6, 15,  0,  9, 10,  4,  5,  3,
    // S6
    12,  1, 10, 15,  9,  2,  6,  8,  0, 13,  3,  4, 14,  7,  5, 11,
    10, 15,  4,  2,  7, 12,  9,  5,  6,  1, 13, 14,  0, 11,  3,  8,
     9, 14, 15,  5,  2,  8, 12,  3,  7,  0,  4, 10,  1, 13, 11,  6,
     4,  3,  2, 12,  9,  5, 15, 10, 11, 14,  1,  7,  6,  0,  8, 13,
    // S7
     4, 11,  2, 14, 15,  0,  8, 13,  3, 12,  9,  7,  5, 10,  6,  1,
    13,  0, 11,  7,  4,  9,  1, 10, 14,  3,  5, 12,  2, 15,  8,  6,
     1,  4, 11, 13, 12,  3,  7, 14, 10, 15,  6,  8,  0,  5,  9,  2,
     6, 11, 13,  8,  1,  4, 10,  7,  9,  5,  0, 15, 14,  2,  3, 12,
    // S8
    13,  2,  8,  4,  6, 15, 11,  1, 10,  9,  3, 14,  5,  0, 12,  7,
     1, 15, 13,  8, 10,  3,  7,  4, 12,  5,  6, 11,  0, 14,  9,  2,
     7, 11,  4,  1,  9, 12, 14,  2,  0,  6, 10, 13, 15,  3,  5,  8,
     2,  1, 14,  7,  4, 10,  8, 13, 15, 12,  9,  0,  3,  5,  6, 11,
};

// PC-1: picks the 56 key bits that are not parity bits and orders them as C then D.
extern constexpr std::array<std::uint8_t, 56> PermutedChoice1{
    56, 48, 40, 32, 24, 16,  8,
     0, 57, 49, 41, 33, 25, 17,
     9,  1, 58, 50, 42, 34, 26,
    18, 10,  2, 59, 51, 43, 35,
    62, 54, 46, 38, 30, 22, 14,
     6, 61, 53, 45, 37, 29, 21,
    13,  5, 60, 52, 44, 36, 28,
    20, 12,  4, 27, 19, 11,  3,
};

// PC-2: picks a round's 48 sub-key bits from the rotated C and D joined.
extern constexpr std::array<std::uint8_t, 48> PermutedChoice2{
    13, 16, 10, 23,  0,  4,
     2, 27, 14,  5, 20,  9,
    22, 18, 11,  3, 25,  7,
    15,  6, 26, 19, 12,  1,
    40, 51, 30, 36, 46, 54,
    29, 39, 50, 44, 32, 47,
    43, 48, 38, 55, 33, 52,
    45, 41, 49, 35, 28, 31,
};

// How far C and D rotate left before each round; 28 in all, so they end where they began.
extern constexpr std::array<std::uint8_t, 16> KeyRotations{
    1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1,
};

static_assert(EntriesBelow(InitialPermutation, 64) && EntriesDistinct(InitialPermutation));
static_assert(EntriesBelow(FinalPermutation, 64) && EntriesDistinct(FinalPermutation));
static_assert(EntriesBelow(Expansion, 32));
static_assert(EntriesBelow(RoundPermutation, 32) && EntriesDistinct(RoundPermutation));
static_assert(EntriesBelow(SubstitutionBoxes, 16));
static_assert(EntriesBelow(PermutedChoice1, 64) && EntriesDistinct(PermutedChoice1));
static_assert(EntriesBelow(PermutedChoice2, 56) && EntriesDistinct(PermutedChoice2));
static_assert(std::accumulate(KeyRotations.begin(), KeyRotations.end(), 0) == 28);
