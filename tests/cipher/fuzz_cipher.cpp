// Fuzz target for the string layer. Every input is used twice:
//  - as a hex text for DecryptFromHex, which must either decipher it or raise exactly
//    "Error: not a Hex String", and must raise precisely when a pair holds a non-hex digit;
//  - split into a key text and a plain text (the first byte gives the key length), which
//    must come back unchanged from DecryptFromHex(EncryptToHex(...)), or raise the
//    trailing-zero error when the plain text ends in a zero byte.
// Any broken property aborts, so libFuzzer records the input.
#include "cipher/DES.h"
#include "toolkit/exceptions.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const std::string CipherKey = "Tarpaulin&47%3.k(_2958";

[[noreturn]] void Fail(const char* property)
{
    std::fprintf(stderr, "fuzz_cipher: broken property: %s\n", property);
    std::abort();
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool PairsAreHex(const std::string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        if (!IsHexDigit(text[i]) || !IsHexDigit(text[i + 1])) return false;
    return true;
}

void CheckDecryptFromHex(const std::string& hex)
{
    const bool valid = PairsAreHex(hex);
    try {
        const std::string plain = DecryptFromHex(hex, CipherKey);
        if (!valid) Fail("DecryptFromHex accepted a non-hex pair");
        if (plain.size() > hex.size() / 16 * 8) Fail("DecryptFromHex gave more than its whole blocks");
        if (!plain.empty() && plain.back() == '\0') Fail("DecryptFromHex left a trailing zero byte");
    } catch (const Exception& e) {
        if (valid) Fail("DecryptFromHex refused valid hex");
        if (std::string(e.what()) != "Error: not a Hex String") Fail("DecryptFromHex message");
    }
}

void CheckRoundTrip(const std::string& input)
{
    if (input.empty()) return;
    const std::size_t keyLength = std::min<std::size_t>(static_cast<std::uint8_t>(input[0]) % 24, input.size() - 1);
    const std::string key = input.substr(1, keyLength);
    const std::string plain = input.substr(1 + keyLength);
    const bool endsInZero = !plain.empty() && plain.back() == '\0';
    try {
        const std::string hex = EncryptToHex(plain, key);
        if (endsInZero) Fail("EncryptToHex accepted a trailing zero byte");
        if (hex.size() != (plain.size() + 7) / 8 * 16) Fail("EncryptToHex digit count");
        if (hex.find_first_not_of("0123456789ABCDEF") != std::string::npos) Fail("EncryptToHex digits");
        if (DecryptFromHex(hex, key) != plain) Fail("round trip through the hex form");
    } catch (const Exception& e) {
        if (!endsInZero) Fail("EncryptToHex refused a plain text");
        if (std::string(e.what()) != "Error: the last char is NULL char.") Fail("EncryptToHex message");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckDecryptFromHex(input);
    CheckRoundTrip(input);
    return 0;
}
