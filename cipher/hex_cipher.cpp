// The string layer: key derivation, zero padding, block-by-block ECB over byte strings,
// and the hex text form stored in Setting.ini.
#include "cipher/DES.h"

#include "cipher/des_block.h"
#include "toolkit/exceptions.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::size_t BlockSize = 8;

// The first 8 bytes of the key text; a shorter text is extended with zero bytes.
TDesKey DeriveKey(const std::string& keyText)
{
    TDesKey key{};
    const std::size_t used = std::min(keyText.size(), key.size());
    for (std::size_t i = 0; i < used; ++i) key[i] = static_cast<std::uint8_t>(keyText[i]);
    return key;
}

// Runs every complete block of the text through CipherBlock under the key text's
// sub-keys; a trailing incomplete block is left out.
std::string CipherWholeBlocks(TCipherMode mode, const std::string& text, const std::string& keyText)
{
    BuildSubKeys(DeriveKey(keyText), SubKeyTable);
    const std::size_t blockCount = text.size() / BlockSize;
    std::string result;
    result.reserve(blockCount * BlockSize);
    for (std::size_t b = 0; b < blockCount; ++b) {
        TDesBlock input;
        for (std::size_t i = 0; i < BlockSize; ++i)
            input[i] = static_cast<std::uint8_t>(text[b * BlockSize + i]);
        TDesBlock output;
        CipherBlock(mode, input, output);
        for (std::uint8_t byte : output) result.push_back(static_cast<char>(byte));
    }
    return result;
}

int HexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    throw Exception("Error: not a Hex String");
}

}  // namespace

std::string EncryptBytes(const std::string& plain, const std::string& key)
{
    // Deciphering strips trailing zero bytes, so such a text could never come back whole.
    if (!plain.empty() && plain.back() == '\0') throw Exception("Error: the last char is NULL char.");
    std::string padded = plain;
    padded.resize((plain.size() + BlockSize - 1) / BlockSize * BlockSize, '\0');
    return CipherWholeBlocks(cmEncipher, padded, key);
}

std::string DecryptBytes(const std::string& cipher, const std::string& key)
{
    std::string plain = CipherWholeBlocks(cmDecipher, cipher, key);
    // Removes the padding, and with it any zero bytes the plain text ended in.
    while (!plain.empty() && plain.back() == '\0') plain.pop_back();
    return plain;
}

std::string EncryptToHex(const std::string& plain, const std::string& key)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    const std::string raw = EncryptBytes(plain, key);
    std::string hex;
    hex.reserve(raw.size() * 2);
    for (char c : raw) {
        const auto byte = static_cast<std::uint8_t>(c);
        hex.push_back(Digits[byte >> 4]);
        hex.push_back(Digits[byte & 0x0F]);
    }
    return hex;
}

std::int32_t HexToValue(std::string_view digits)
{
    // Unsigned arithmetic: a long text wraps around instead of overflowing.
    std::uint32_t value = 0;
    for (char digit : digits) value = value * 16 + static_cast<std::uint32_t>(HexDigitValue(digit));
    return static_cast<std::int32_t>(value);
}

std::string DecryptFromHex(const std::string& hex, const std::string& key)
{
    // Pairs only: an odd last digit is never looked at. Every pair is checked before
    // anything is deciphered.
    const std::string_view text = hex;
    std::string raw;
    raw.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        raw.push_back(static_cast<char>(HexToValue(text.substr(i, 2))));
    return DecryptBytes(raw, key);
}
