#include "app/logic/port_setting.h"
#include "app/logic/whole_number.h"

#include "tests/logic/byte_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Min = std::numeric_limits<int32_t>::min();

struct TNumberCase {
    std::string Text;
    std::optional<int32_t> Want;
};

const TNumberCase NumberCases[] = {
    {"", std::nullopt},
    {"1433", 1433},
    {"0", 0},
    {"abc", std::nullopt},
    {"1434 ", std::nullopt},
    {"1434", 1434},
    {"$59A", 1434},
    {"0x59a", 1434},
    {"x59A", 1434},
    {"X59a", 1434},
    {"0X59A", 1434},
    {"-5", -5},
    {" 12", 12},
    {"   -$10", -16},
    {"+7", 7},
    {"007", 7},
    {"0000000000000000000001", 1},
    {"2147483647", Max},
    {"2147483648", std::nullopt},
    {"-2147483648", Min},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"$7FFFFFFF", Max},
    {"$80000000", std::nullopt},
    {"$FFFFFFFF", std::nullopt},
    {"-$80000000", Min},
    {"-0x80000001", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"+-1", std::nullopt},
    {"- 5", std::nullopt},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"x", std::nullopt},
    {"$-5", std::nullopt},
    {"$G", std::nullopt},
    {"12a", std::nullopt},
    {"1 2", std::nullopt},
    {"1e3", std::nullopt},
    {"\t12", std::nullopt},
    {"\xA3\xB1", std::nullopt}, // full-width 1 in GBK
};

std::string Shown(std::optional<int32_t> value)
{
    return value ? std::to_string(*value) : "none";
}

TEST(ReadWholeNumber, Table)
{
    for (const TNumberCase& row : NumberCases)
        EXPECT_EQ(Shown(ReadWholeNumber(row.Text)), Shown(row.Want)) << "row: " << Escaped(row.Text);
}

TEST(PortNumber, NotANumberIsZero)
{
    for (const TNumberCase& row : NumberCases)
        EXPECT_EQ(PortNumber(row.Text), row.Want.value_or(0)) << "row: " << Escaped(row.Text);
}

struct TStoredPortCase {
    std::string Typed;
    std::string Want;
};

const TStoredPortCase StoredPortCases[] = {
    {"", ""},
    {"1433", ""},
    {"0", ""},
    {"abc", ""},
    {"1434 ", ""},
    {"1434", "1434"},
    {"$59A", "$59A"},
    {"-5", "-5"},
    {" 12", " 12"},
    {"$599", ""}, // 1433 in hexadecimal
    {"0x0", ""},
    {"2147483648", ""},
};

TEST(StoredPortText, Table)
{
    for (const TStoredPortCase& row : StoredPortCases)
        EXPECT_EQ(Escaped(StoredPortText(row.Typed)), Escaped(row.Want)) << "row: " << Escaped(row.Typed);
}

} // namespace
