#include "app/logic/conn_type.h"

#include "tests/logic/byte_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct TFallbackCase {
    std::string Text;
    std::optional<int32_t> Want;
};

const TFallbackCase FallbackCases[] = {
    {"2", 2},
    {" 3", 3},
    {"-1", -1},
    {"$2", 2},
    {"True", 1},
    {"true", 1},
    {"TRUE", 1},
    {"False", 0},
    {"fAlSe", 0},
    {" True", std::nullopt},
    {"True ", std::nullopt},
    {"Tru", std::nullopt},
    {"TrueX", std::nullopt},
    {"Yes", std::nullopt},
    {"", std::nullopt},
    {"2 ", std::nullopt},
};

std::string Shown(std::optional<int32_t> value)
{
    return value ? std::to_string(*value) : "none";
}

TEST(ConvertConnTypeFallback, Table)
{
    for (const TFallbackCase& row : FallbackCases)
        EXPECT_EQ(Shown(ConvertConnTypeFallback(row.Text)), Shown(row.Want)) << "row: " << Escaped(row.Text);
}

struct TIndexCase {
    int32_t Stored;
    int Want;
};

const TIndexCase IndexCases[] = {
    {1, 0},  // Windows authentication
    {2, 1},  // SQL Server authentication
    {0, -1}, // no item selected
    {3, 2},  // beyond the items: the radio group limits it
    {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max() - 1},
    {-1, 2},
    {std::numeric_limits<int32_t>::min(), 2},
};

TEST(ItemIndexForConnType, Table)
{
    for (const TIndexCase& row : IndexCases)
        EXPECT_EQ(ItemIndexForConnType(row.Stored), row.Want) << "row: stored " << row.Stored;
}

} // namespace
