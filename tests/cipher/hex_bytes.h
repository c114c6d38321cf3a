#pragma once
// Test helpers: bytes to and from hex text, so that failures print bytes readably and
// vectors can be written as the published hex strings. Independent of the cipher's own
// hex code, which is under test.
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

inline std::string HexOf(std::string_view bytes)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += Digits[byte >> 4];
        hex += Digits[byte & 0x0F];
    }
    return hex;
}

template <std::size_t N>
std::string HexOf(const std::array<std::uint8_t, N>& bytes)
{
    return HexOf(std::string_view(reinterpret_cast<const char*>(bytes.data()), N));
}

inline std::string BytesFromHex(std::string_view hex)
{
    if (hex.size() % 2 != 0) throw std::invalid_argument("odd hex length: " + std::string(hex));
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
        if (error != std::errc() || end != hex.data() + i + 2)
            throw std::invalid_argument("not hex: " + std::string(hex));
        bytes += static_cast<char>(value);
    }
    return bytes;
}

template <std::size_t N>
std::array<std::uint8_t, N> ArrayFromHex(std::string_view hex)
{
    const std::string bytes = BytesFromHex(hex);
    if (bytes.size() != N) throw std::invalid_argument("wrong length: " + std::string(hex));
    std::array<std::uint8_t, N> result;
    for (std::size_t i = 0; i < N; ++i) result[i] = static_cast<std::uint8_t>(bytes[i]);
    return result;
}
