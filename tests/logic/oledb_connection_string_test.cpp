// The test reader must itself read the syntax right, or the round trips prove nothing.
#include "tests/logic/oledb_connection_string.h"

#include "tests/logic/byte_text.h"

#include <gtest/gtest.h>

namespace {

struct TParseCase {
    const char* Name;
    std::string Text;
    std::optional<std::vector<TConnectionPair>> Want;
};

const TParseCase ParseCases[] = {
    {"two pairs", "a=1;b=2", {{{"a", "1"}, {"b", "2"}}}},
    {"blanks around keys and values", " Key = some value ; ", {{{"Key", "some value"}}}},
    {"empty value", "a=;b=2", {{{"a", ""}, {"b", "2"}}}},
    {"empty pairs skipped", ";;a=1;;", {{{"a", "1"}}}},
    {"double-quoted value with ;", "P=\"x;y\"", {{{"P", "x;y"}}}},
    {"single-quoted value with doubled quote", "P='it''s'", {{{"P", "it's"}}}},
    {"doubled double quotes", "P=\"\"\"q\"\"\"", {{{"P", "\"q\""}}}},
    {"quoted blanks kept", "P=\" a \" ;Q=1", {{{"P", " a "}, {"Q", "1"}}}},
    {"== in a key", "A==B=c", {{{"A=B", "c"}}}},
    {"= inside a value", "A=b=c", {{{"A", "b=c"}}}},
    {"unterminated quote", "P=\"abc", std::nullopt},
    {"text after closing quote", "P=\"x\" y", std::nullopt},
    {"no =", "novalue", std::nullopt},
    {"no = before ;", "novalue;a=1", std::nullopt},
    {"empty key", "=1", std::nullopt},
};

std::string Shown(const std::optional<std::vector<TConnectionPair>>& pairs)
{
    if (!pairs)
        return "invalid";
    std::string shown;
    for (const TConnectionPair& pair : *pairs)
        shown += "[" + Escaped(pair.Key) + "=" + Escaped(pair.Value) + "]";
    return shown;
}

TEST(ParseConnectionString, Table)
{
    for (const TParseCase& row : ParseCases)
        EXPECT_EQ(Shown(ParseConnectionString(row.Text)), Shown(row.Want)) << "row: " << row.Name;
}

} // namespace
