#pragma once
// The DES block layer (FIPS PUB 46-3): permutations, S-boxes, key schedule and the
// sixteen-round block transformation. The string layer (DES.h) uses BuildSubKeys,
// CipherBlock and SubKeyTable; the rest is visible for the unit's tests.
//
// Bit position n of a byte array is bit 7 - (n mod 8) of byte n div 8: position 0 is the
// most significant bit of the first byte (the standard's bit 1).
//
// Every routine works on caller-owned fixed-size arrays, allocates nothing and cannot fail.
// SubKeyTable is shared state: see DES.h for how callers serialise its use.
#include <array>
#include <cstdint>

using TDesBlock = std::array<std::uint8_t, 8>;      // L = bytes 0-3, R = bytes 4-7
using TDesKey = std::array<std::uint8_t, 8>;        // bit 0 of every byte is parity, unused
using TPermutedKey = std::array<std::uint8_t, 7>;   // PC-1 output, or C and D joined
using TKeyHalf = std::array<std::uint8_t, 4>;       // 28 bits right-aligned: byte 0's high nibble is 0
using TSubKey = std::array<std::uint8_t, 6>;        // one round's 48-bit key
using TExpandedHalf = std::array<std::uint8_t, 6>;  // E output
using THalfBlock = std::array<std::uint8_t, 4>;     // 32 bits: a half or the round function's output
using TSubKeyTable = std::array<TSubKey, 16>;       // entry k is the sub-key of round k + 1

enum TCipherMode : std::uint8_t { cmEncipher = 0, cmDecipher = 1 };

// The sub-keys CipherBlock runs under. Zero until the first BuildSubKeys.
extern TSubKeyTable SubKeyTable;

void PermuteInitial(TDesBlock& block);
void PermuteFinal(TDesBlock& block);
// E of positions 0-31 of the block; the rest of the block is not read.
void ExpandHalf(const TDesBlock& block, TExpandedHalf& output);
void PermuteRound(THalfBlock& half);
// The 4-bit entry of S-box box + 1 for a 6-bit value: row 2*b5 + b0, column b4..b1.
// Only the low 3 bits of box and the low 6 bits of value count.
std::uint8_t SubstituteBox(std::uint8_t box, std::uint8_t value);
void PermuteChoice1(const TDesKey& key, TPermutedKey& output);
void PermuteChoice2(const TPermutedKey& joinedHalves, TSubKey& output);
// Rotates the 28-bit half left by count single-bit steps.
void RotateKeyHalf(TKeyHalf& half, std::uint8_t count);
void BuildSubKeys(const TDesKey& key, TSubKeyTable& table);
// f(R, K) with R = positions 0-31 of the block.
void RoundFunction(const TDesBlock& block, const TSubKey& subKey, THalfBlock& output);
// Output = input enciphered or deciphered under SubKeyTable; the input is not changed
// (output may be the same array).
void CipherBlock(TCipherMode mode, const TDesBlock& input, TDesBlock& output);
