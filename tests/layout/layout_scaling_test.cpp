#include "toolkit/layout/layout_scaling.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct TMulDivCase {
    int Value, Numerator, Denominator, Expected;
};

// Rows worked out by hand from MulDiv's rule: exact product, then the nearest integer with
// halves away from zero; -1 for a zero divisor or a result beyond the int range.
const TMulDivCase kMulDivCases[] = {
    {425, 144, 96, 638},      // 637.5 rounds up
    {298, 144, 96, 447},
    {-11, 144, 96, -17},      // -16.5 rounds away from zero
    {-13, 144, 96, -20},      // -19.5
    {-12, 144, 96, -18},
    {33, 144, 96, 50},        // 49.5
    {1, 144, 96, 2},          // 1.5
    {1, 120, 96, 1},          // 1.25
    {3, 120, 96, 4},          // 3.75
    {5, 1, 2, 3},             // 2.5
    {-5, 1, 2, -3},
    {5, -1, 2, -3},
    {5, 1, -2, -3},
    {-5, -1, -2, -3},
    {7, 1, 3, 2},             // 2.33
    {8, 1, 3, 3},             // 2.67
    {0, 144, 96, 0},
    {10, 10, 0, -1},
    {INT_MAX, 2, 1, -1},
    {INT_MAX, 1, 1, INT_MAX},
    {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
};

TEST(LayoutScaling, MulDivRoundsAsThePlatform) {
    for (std::size_t row = 0; row < std::size(kMulDivCases); ++row) {
        const TMulDivCase& c = kMulDivCases[row];
        EXPECT_EQ(MulDivRounded(c.Value, c.Numerator, c.Denominator), c.Expected)
            << "row " << row << ": " << c.Value << " * " << c.Numerator << " / " << c.Denominator;
    }
}

struct TPropertyCase {
    const char* Name;
    TLayoutValue Value;
    int Dpi;
    TLayoutValue Expected;
};

const TPropertyCase kPropertyCases[] = {
    {"ClientWidth", std::int64_t{425}, 144, std::int64_t{638}},
    {"ClientHeight", std::int64_t{298}, 192, std::int64_t{596}},
    {"Left", std::int64_t{29}, 144, std::int64_t{44}},      // 43.5
    {"Top", std::int64_t{21}, 144, std::int64_t{32}},       // 31.5
    {"Width", std::int64_t{89}, 120, std::int64_t{111}},    // 111.25
    {"Height", std::int64_t{33}, 144, std::int64_t{50}},
    {"Font.Height", std::int64_t{-11}, 144, std::int64_t{-17}},
    {"Style.Font.Height", std::int64_t{-13}, 192, std::int64_t{-26}},
    {"Width", std::int64_t{89}, 96, std::int64_t{89}},
    {"TabOrder", std::int64_t{7}, 192, std::int64_t{7}},     // not a length
    {"ItemIndex", std::int64_t{1}, 144, std::int64_t{1}},
    {"Font.Charset", std::int64_t{134}, 144, std::int64_t{134}},
    {"Style.BorderWidth", std::int64_t{2}, 144, std::int64_t{2}},  // only what the list names
    {"Caption", std::string("Width"), 144, std::string("Width")},
    {"Width", true, 144, true},                             // wrong kind: left for the property to refuse
    {"Width", std::int64_t{3000000000}, 192, std::int64_t{3000000000}},
    {"Width", std::int64_t{2000000000}, 192, std::int64_t{4000000000}},  // not MulDiv's -1
};

TEST(LayoutScaling, ScalesOnlyLengths) {
    for (std::size_t row = 0; row < std::size(kPropertyCases); ++row) {
        const TPropertyCase& c = kPropertyCases[row];
        TLayoutProperty property{c.Name, c.Value, 40 + static_cast<int>(row)};
        TLayoutProperty scaled = ScaledProperty(property, c.Dpi);
        EXPECT_EQ(scaled.Value, c.Expected) << "row " << row << ": " << c.Name << " at " << c.Dpi;
        EXPECT_EQ(scaled.Name, property.Name) << "row " << row;
        EXPECT_EQ(scaled.Line, property.Line) << "row " << row;
    }
}

struct TPictureCase {
    std::vector<int> Sizes;
    int Wanted;
    std::size_t Expected;
};

TEST(LayoutScaling, PicksTheNearestPictureLargerOnATie) {
    const TPictureCase cases[] = {
        {{32, 48, 64}, 32, 0},   // 96 dpi
        {{32, 48, 64}, 40, 1},   // 120 dpi: a tie between 32 and 48
        {{32, 48, 64}, 48, 1},   // 144 dpi
        {{32, 48, 64}, 56, 2},   // 168 dpi: a tie
        {{32, 48, 64}, 64, 2},   // 192 dpi
        {{32, 48, 64}, 96, 2},   // 288 dpi: the largest there is, never a stretch
        {{32, 48, 64}, 20, 0},
        {{64, 32, 48}, 33, 1},   // the order of the list does not matter
        {{32}, 64, 0},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row)
        EXPECT_EQ(NearestPictureSize(cases[row].Sizes, cases[row].Wanted), cases[row].Expected) << "row " << row;
    EXPECT_THROW(NearestPictureSize({}, 32), std::invalid_argument);
}

}  // namespace
