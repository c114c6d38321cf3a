#include "app/logic/whole_number.h"

#include <algorithm>
#include <limits>
#include <string_view>

namespace {

// Magnitudes beyond this cannot be in range with either sign; reading stops growing there.
constexpr int64_t MagnitudeLimit = int64_t{1} << 31;

std::optional<int> DigitValue(char c, int base)
{
    int value = 0;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else
        return std::nullopt;
    if (value >= base)
        return std::nullopt;
    return value;
}

// Removes a hexadecimal prefix from the front of digits; true when there was one.
bool ConsumeHexPrefix(std::string_view& digits)
{
    for (std::string_view prefix : {"$", "0x", "0X", "x", "X"}) {
        if (digits.starts_with(prefix)) {
            digits.remove_prefix(prefix.size());
            return true;
        }
    }
    return false;
}

// The magnitude of a non-empty digit string, capped at MagnitudeLimit + 1.
std::optional<int64_t> ReadMagnitude(std::string_view digits, int base)
{
    if (digits.empty())
        return std::nullopt;
    int64_t magnitude = 0;
    for (char c : digits) {
        std::optional<int> digit = DigitValue(c, base);
        if (!digit)
            return std::nullopt;
        magnitude = std::min(magnitude * base + *digit, MagnitudeLimit + 1);
    }
    return magnitude;
}

} // namespace

std::optional<int32_t> ReadWholeNumber(const std::string& text)
{
    std::string_view rest(text);
    while (rest.starts_with(' '))
        rest.remove_prefix(1);
    bool negative = false;
    if (rest.starts_with('+') || rest.starts_with('-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int base = ConsumeHexPrefix(rest) ? 16 : 10;
    std::optional<int64_t> magnitude = ReadMagnitude(rest, base);
    if (!magnitude)
        return std::nullopt;
    int64_t value = negative ? -*magnitude : *magnitude;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t PortNumber(const std::string& text)
{
    return ReadWholeNumber(text).value_or(0);
}
