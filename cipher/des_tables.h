#pragma once
// The constant tables of DES (FIPS PUB 46-3), used only inside the cipher unit. Every
// permutation table maps output position i to the input position it takes:
// output bit i = input bit table[i], positions counted from 0.
#include <array>
#include <cstdint>

extern const std::array<std::uint8_t, 64> InitialPermutation;  // IP
extern const std::array<std::uint8_t, 64> FinalPermutation;    // IP^-1
extern const std::array<std::int32_t, 48> Expansion;           // E
extern const std::array<std::uint8_t, 32> RoundPermutation;    // P
extern const std::array<std::uint8_t, 512> SubstitutionBoxes;  // S1-S8, 4 rows of 16 each
extern const std::array<std::uint8_t, 56> PermutedChoice1;     // PC-1
extern const std::array<std::uint8_t, 48> PermutedChoice2;     // PC-2
extern const std::array<std::uint8_t, 16> KeyRotations;        // left rotations of round 1-16
