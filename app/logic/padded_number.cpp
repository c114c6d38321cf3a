#include "app/logic/padded_number.h"

#include <cstdlib>

std::string PaddedNumber(int value, int width)
{
    std::string digits = std::to_string(std::abs(static_cast<long long>(value)));
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}
