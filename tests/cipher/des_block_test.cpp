// Structural properties of the block layer that the known-answer vectors do not pin down
// on their own: parity bits, untouched input, rotation, S-box addressing, round trips.
#include "cipher/des_block.h"
#include "tests/cipher/hex_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const SampleKeys[] = {"0000000000000000", "133457799bbcdff1", "5461727061756c69",
                                  "fefefefefefefefe", "0123456789abcdef"};

std::string TableHex(const TSubKeyTable& table)
{
    std::string hex;
    for (const TSubKey& subKey : table) hex += HexOf(subKey) + " ";
    return hex;
}

TDesBlock Encipher(const TDesKey& key, const TDesBlock& plain)
{
    BuildSubKeys(key, SubKeyTable);
    TDesBlock cipher;
    CipherBlock(cmEncipher, plain, cipher);
    return cipher;
}

}  // namespace

TEST(DesBlock, ParityBitsTakeNoPart)
{
    const auto plain = ArrayFromHex<8>("0123456789abcdef");
    for (const char* keyHex : SampleKeys) {
        const TDesKey key = ArrayFromHex<8>(keyHex);
        TSubKeyTable want;
        BuildSubKeys(key, want);
        const TDesBlock wantCipher = Encipher(key, plain);
        for (std::size_t i = 0; i < key.size(); ++i) {
            TDesKey flipped = key;
            flipped[i] ^= 0x01;
            TSubKeyTable got;
            BuildSubKeys(flipped, got);
            EXPECT_EQ(TableHex(got), TableHex(want)) << "key " << keyHex << ", parity bit of byte " << i;
            EXPECT_EQ(HexOf(Encipher(flipped, plain)), HexOf(wantCipher))
                << "key " << keyHex << ", parity bit of byte " << i;
        }
    }
}

TEST(DesBlock, CipherBlockKeepsInputAndWritesEveryOutputByte)
{
    BuildSubKeys(ArrayFromHex<8>("133457799bbcdff1"), SubKeyTable);
    const auto original = ArrayFromHex<8>("0123456789abcdef");
    for (TCipherMode mode : {cmEncipher, cmDecipher}) {
        TDesBlock input = original;
        TDesBlock overZeros{};
        TDesBlock overOnes;
        overOnes.fill(0xFF);
        CipherBlock(mode, input, overZeros);
        EXPECT_EQ(HexOf(input), HexOf(original)) << "mode " << int(mode);
        CipherBlock(mode, input, overOnes);
        // Any byte left unwritten would still show what the output held before.
        EXPECT_EQ(HexOf(overOnes), HexOf(overZeros)) << "mode " << int(mode);
    }
}

TEST(DesBlock, RotateKeyHalf)
{
    struct TRow {
        const char* Half;
        std::uint8_t Count;
        const char* Want;
    };
    const TRow rows[] = {
        {"08000000", 1, "00000001"},  // the top bit of the 28 wraps round to the bottom
        {"00000001", 1, "00000002"},
        {"00800000", 1, "01000000"},  // crosses from byte 1 into byte 0
        {"0fffffff", 2, "0fffffff"},
        {"0c000000", 2, "00000003"},
        {"0a5a5a5a", 28, "0a5a5a5a"},
        {"01234567", 0, "01234567"},
    };
    for (const TRow& row : rows) {
        TKeyHalf half = ArrayFromHex<4>(row.Half);
        RotateKeyHalf(half, row.Count);
        EXPECT_EQ(HexOf(half), row.Want) << row.Half << " by " << int(row.Count);
    }
}

TEST(DesBlock, TwentyEightSingleStepsRestoreTheHalfAndKeepTheTopNibbleZero)
{
    for (const char* start : {"0fffffff", "08000000", "00000001", "0a5a5a5a", "0edcba98"}) {
        TKeyHalf half = ArrayFromHex<4>(start);
        for (int step = 1; step <= 28; ++step) {
            RotateKeyHalf(half, 1);
            EXPECT_EQ(half[0] & 0xF0, 0) << start << " after step " << step << ": " << HexOf(half);
        }
        EXPECT_EQ(HexOf(half), start);
    }
}

TEST(DesBlock, SubstituteBoxReadsRowFromOuterBitsAndColumnFromInnerBits)
{
    // Column 0 of rows 0-3 of S1 to S8 as printed in FIPS PUB 46-3.
    const std::uint8_t columnZero[8][4] = {{14, 0, 4, 15}, {15, 3, 0, 13}, {10, 13, 13, 1},
                                           {7, 13, 10, 3}, {2, 14, 4, 11}, {12, 10, 9, 4},
                                           {4, 13, 1, 6},  {13, 1, 7, 2}};
    const std::uint8_t rowSelectors[4] = {0x00, 0x01, 0x20, 0x21};
    for (std::uint8_t box = 0; box < 8; ++box)
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(int(SubstituteBox(box, rowSelectors[row])), int(columnZero[box][row]))
                << "S" << box + 1 << " value 0x" << std::hex << int(rowSelectors[row]);
    // The middle four bits pick the column: 0x1E is row 0, column 15; 0x3F row 3, column 15.
    EXPECT_EQ(int(SubstituteBox(0, 0x1E)), 7);
    EXPECT_EQ(int(SubstituteBox(7, 0x3F)), 11);
    EXPECT_EQ(int(SubstituteBox(3, 0x02)), 13);  // S4 row 0, column 1
}

TEST(DesBlock, DecipherUndoesEncipher)
{
    for (const char* keyHex : SampleKeys) {
        BuildSubKeys(ArrayFromHex<8>(keyHex), SubKeyTable);
        for (const char* blockHex : {"0000000000000000", "ffffffffffffffff", "0123456789abcdef",
                                     "a5a5a5a55a5a5a5a"}) {
            const auto plain = ArrayFromHex<8>(blockHex);
            TDesBlock cipher;
            CipherBlock(cmEncipher, plain, cipher);
            TDesBlock back;
            CipherBlock(cmDecipher, cipher, back);
            EXPECT_NE(HexOf(cipher), blockHex) << "key " << keyHex;
            EXPECT_EQ(HexOf(back), blockHex) << "key " << keyHex << ", cipher " << HexOf(cipher);
        }
    }
}
