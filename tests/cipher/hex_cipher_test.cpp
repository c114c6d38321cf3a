// The string layer: stored hex form, key derivation, padding, tolerance of odd and
// incomplete input, and the two failures with their exact messages.
#include "cipher/DES.h"
#include "tests/cipher/hex_bytes.h"
#include "toolkit/exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace std::string_literals;

// The dialog's key text.
const std::string CipherKey = "Tarpaulin&47%3.k(_2958";

// The message of the Exception the call raises, or a marker when it raises none.
std::string MessageOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Exception& e) {
        return e.what();
    }
    return "<no exception>";
}

std::string AllHighBytes()
{
    std::string bytes;
    for (int value = 0x80; value <= 0xFF; ++value) bytes += static_cast<char>(value);
    return bytes;
}

std::string Replaced(std::string text, std::size_t position, char c)
{
    text[position] = c;
    return text;
}

std::string LowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

// Values computed apart from this code (OpenSSL, DES-ECB without padding, key "Tarpauli"
// = the key text's first 8 bytes, plain text zero-padded by hand). They pin the stored form
// of DBPsw: a change here would make every saved password unreadable.
TEST(HexCipher, StoredFormUnderTheDialogKey)
{
    struct TRow {
        std::string Plain;
        const char* Stored;
    };
    const TRow rows[] = {
        {"P@ssw0rd", "EA7EE051AF84B75F"},
        {"Corvane#2024", "6B97DAE4C20CBAFC7A6E49166054A782"},
        {"\xC3\xDC\xC2\xEB" "123", "DC0D080C52F9CA30"},  // "密码123" in code page 936
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(EncryptToHex(row.Plain, CipherKey), row.Stored) << "plain " << HexOf(row.Plain);
        EXPECT_EQ(HexOf(DecryptFromHex(row.Stored, CipherKey)), HexOf(row.Plain)) << row.Stored;
    }
}

TEST(HexCipher, RoundTripAndDigitCount)
{
    struct TRow {
        const char* Name;
        std::string Plain;
        std::size_t Digits;
    };
    const TRow rows[] = {
        {"empty", "", 0},
        {"one byte", "x", 16},
        {"seven bytes", "1234567", 16},
        {"eight bytes, no extra block", "12345678", 16},
        {"nine bytes", "123456789", 32},
        {"sixteen bytes", "0123456789abcdef", 32},
        {"seventeen bytes", "0123456789abcdefg", 48},
        {"zero bytes inside", "a\0\0b"s, 16},
        {"zero byte first", "\0z"s, 16},
        {"bytes 0x80-0xFF", AllHighBytes(), 256},
        {"double-byte text", "\xCA\xFD\xBE\xDD\xBF\xE2", 16},  // "数据库" in code page 936
    };
    for (const TRow& row : rows) {
        const std::string hex = EncryptToHex(row.Plain, CipherKey);
        EXPECT_EQ(hex.size(), row.Digits) << row.Name;
        EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos) << row.Name << ": " << hex;
        EXPECT_EQ(HexOf(DecryptFromHex(hex, CipherKey)), HexOf(row.Plain)) << row.Name;
        EXPECT_EQ(HexOf(DecryptFromHex(LowerCase(hex), CipherKey)), HexOf(row.Plain))
            << row.Name << ", lower case";
        EXPECT_EQ(EncryptBytes(row.Plain, CipherKey).size(), row.Digits / 2) << row.Name;
    }
}

TEST(HexCipher, TolerantHexReading)
{
    const std::string stored = EncryptToHex("secret", CipherKey);
    struct TRow {
        const char* Name;
        std::string Hex;
    };
    const TRow rows[] = {
        {"odd length: last digit ignored", stored + "7"},
        {"odd length: last digit not even checked", stored + "G"},
        {"18 digits: ninth byte dropped", stored + "AB"},
        {"incomplete second block", stored + "0123456789ABCD"},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(HexOf(DecryptFromHex(row.Hex, CipherKey)), HexOf("secret")) << row.Name;
    EXPECT_EQ(DecryptFromHex("", CipherKey), "");
    EXPECT_EQ(DecryptFromHex("A", CipherKey), "");
    EXPECT_EQ(HexOf(DecryptBytes(EncryptBytes("secret", CipherKey) + "\x01\x02\x03", CipherKey)),
              HexOf("secret"));
}

TEST(HexCipher, NonHexCharacterFailsAndKeepsTheCallersValue)
{
    const std::string stored = EncryptToHex("secret", CipherKey);
    struct TRow {
        const char* Name;
        std::string Hex;
    };
    const TRow rows[] = {
        {"space", Replaced(stored, 4, ' ')},
        {"upper-case G", Replaced(stored, 0, 'G')},
        {"lower-case g, second digit of the last pair", Replaced(stored, 15, 'g')},
        {"ninth pair: checked though dropped", stored + "AG"},
        {"minus sign", stored + "-1"},
        {"0x prefix", Replaced(stored, 1, 'x')},
        {"zero byte", Replaced(stored, 1, '\0')},
    };
    for (const TRow& row : rows) {
        std::string password = "former value";
        EXPECT_EQ(MessageOf([&] { password = DecryptFromHex(row.Hex, CipherKey); }),
                  "Error: not a Hex String")
            << row.Name << ": " << HexOf(row.Hex);
        EXPECT_EQ(password, "former value") << row.Name;
    }
}

TEST(HexCipher, PlainTextEndingInZeroByteFails)
{
    for (const std::string& plain : {"\0"s, "abc\0"s, "12345678\0"s}) {
        std::string stored = "former value";
        EXPECT_EQ(MessageOf([&] { stored = EncryptToHex(plain, CipherKey); }),
                  "Error: the last char is NULL char.")
            << HexOf(plain);
        EXPECT_EQ(MessageOf([&] { stored = EncryptBytes(plain, CipherKey); }),
                  "Error: the last char is NULL char.")
            << HexOf(plain);
        EXPECT_EQ(stored, "former value") << HexOf(plain);
    }
}

TEST(HexCipher, OnlyTheFirstEightKeyBytesCount)
{
    struct TRow {
        const char* Name;
        std::string Key;
        std::string SameAs;
    };
    const TRow rows[] = {
        {"short key is zero-extended", "abc", "abc\0\0\0\0\0"s},
        {"empty key is eight zero bytes", "", "\0\0\0\0\0\0\0\0"s},
        {"dialog key is its first eight", CipherKey, "Tarpauli"},
        {"bytes after the eighth ignored", "Tarpauli-anything", "Tarpauli"},
    };
    const std::string plain = "password 123";
    for (const TRow& row : rows) {
        const std::string hex = EncryptToHex(plain, row.Key);
        EXPECT_EQ(hex, EncryptToHex(plain, row.SameAs)) << row.Name;
        EXPECT_EQ(DecryptFromHex(hex, row.SameAs), plain) << row.Name;
    }
    EXPECT_NE(EncryptToHex(plain, "Tarpaulx"), EncryptToHex(plain, "Tarpauli"));
}

TEST(HexCipher, WrongKeyDeciphersWithoutError)
{
    const std::string stored = EncryptToHex("password 123", CipherKey);
    std::string plain;
    EXPECT_EQ(MessageOf([&] { plain = DecryptFromHex(stored, "another key"); }), "<no exception>");
    EXPECT_NE(plain, "password 123");
    EXPECT_FALSE(!plain.empty() && plain.back() == '\0') << HexOf(plain);
}

TEST(HexCipher, HexToValue)
{
    struct TRow {
        const char* Digits;
        std::int32_t Want;
    };
    const TRow rows[] = {
        {"", 0},           {"0", 0},        {"00", 0},
        {"09", 9},         {"7f", 127},     {"A0", 160},
        {"ff", 255},       {"FF", 255},     {"aF", 175},
        {"7FFFFFFF", 0x7FFFFFFF},
        {"FFFFFFFF", -1},  // a full 32 bits read as signed
        {"123456789", 0x23456789},  // a ninth digit pushes the first out
    };
    for (const TRow& row : rows) EXPECT_EQ(HexToValue(row.Digits), row.Want) << '"' << row.Digits << '"';
    for (const char* bad : {"g", "0G", " 1", "1 ", "+1", "-1", "0x1"})
        EXPECT_EQ(MessageOf([&] { HexToValue(bad); }), "Error: not a Hex String") << '"' << bad << '"';
}
