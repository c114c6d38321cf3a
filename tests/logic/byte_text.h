#pragma once
// Test output for byte strings: printable ASCII as it is, every other byte as \xHH, so a
// failure shows exactly which bytes differ.
#include <string>
#include <string_view>

inline std::string Escaped(std::string_view bytes)
{
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    std::string shown = "\"";
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += c;
        } else {
            shown += "\\x";
            shown += HexDigits[byte >> 4];
            shown += HexDigits[byte & 0x0F];
        }
    }
    return shown + "\"";
}
