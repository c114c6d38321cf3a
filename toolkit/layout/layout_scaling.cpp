#include "toolkit/layout/layout_scaling.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace {

// a * b / d with the half added away from zero before the truncating division; d is not zero.
// No overflow: both factors fit in 32 bits.
std::int64_t RoundedQuotient(std::int64_t a, std::int64_t b, std::int64_t d) {
    if (d < 0) {
        a = -a;
        d = -d;
    }
    std::int64_t product = a * b;
    return product >= 0 ? (product + d / 2) / d : (product - d / 2) / d;
}

}  // namespace

int MulDivRounded(int value, int numerator, int denominator) {
    if (denominator == 0) return -1;
    std::int64_t result = RoundedQuotient(value, numerator, denominator);
    if (result > std::numeric_limits<int>::max() || result < -std::numeric_limits<int>::max()) return -1;
    return static_cast<int>(result);
}

int ScaleToDpi(int designValue, int dpi) { return MulDivRounded(designValue, dpi, kDesignPixelsPerInch); }

bool IsLengthProperty(const std::string& name) {
    static const char* const bounds[] = {"ClientWidth", "ClientHeight", "Left", "Top", "Width", "Height"};
    for (const char* bound : bounds)
        if (name == bound) return true;
    return name == "Font.Height" || name.ends_with(".Font.Height");
}

TLayoutProperty ScaledProperty(const TLayoutProperty& property, int dpi) {
    const auto* value = std::get_if<std::int64_t>(&property.Value);
    if (!value || dpi == kDesignPixelsPerInch || !IsLengthProperty(property.Name)) return property;
    // Lengths outside int are no lengths a window can have: they are left as stored.
    if (*value > std::numeric_limits<int>::max() || *value < std::numeric_limits<int>::min()) return property;
    // Computed wide: a result beyond int stays itself rather than turning into MulDiv's -1.
    TLayoutProperty scaled = property;
    scaled.Value = RoundedQuotient(*value, dpi, kDesignPixelsPerInch);
    return scaled;
}

std::size_t NearestPictureSize(const std::vector<int>& sizes, int wanted) {
    if (sizes.empty()) throw std::invalid_argument("NearestPictureSize: no picture sizes");
    std::size_t best = 0;
    for (std::size_t i = 1; i < sizes.size(); ++i) {
        int distance = std::abs(sizes[i] - wanted), bestDistance = std::abs(sizes[best] - wanted);
        if (distance < bestDistance || (distance == bestDistance && sizes[i] > sizes[best])) best = i;
    }
    return best;
}

std::size_t PictureForDpi(const std::vector<int>& sizes, int dpi) {
    if (sizes.empty()) throw std::invalid_argument("PictureForDpi: no picture sizes");
    return NearestPictureSize(sizes, ScaleToDpi(sizes.front(), dpi));
}
