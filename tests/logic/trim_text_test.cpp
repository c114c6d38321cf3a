#include "app/logic/trim_text.h"

#include "tests/logic/byte_text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

struct TTrimCase {
    const char* Name;
    std::string Text;
    std::string Want;
};

const TTrimCase TrimCases[] = {
    {"empty", "", ""},
    {"blanks only", "   ", ""},
    {"control characters around", "\t\r\n x \x01", "x"},
    {"inner blank kept", " a b ", "a b"},
    {"zero bytes are control characters", "\0a\0"s, "a"},
    {"unit separator 0x1F", "a\x1F", "a"},
    {"0x21 is no blank", "!a!", "!a!"},
    {"DEL 0x7F is no blank", "\x7F" "a\x7F", "\x7F" "a\x7F"},
    {"GBK full-width ! kept", "\xA3\xA1", "\xA3\xA1"},
    {"GBK text between blanks", " \xB2\xE2\xCA\xD4 ", "\xB2\xE2\xCA\xD4"},
    {"byte 0x80 at the edges", "\x80 \x80", "\x80 \x80"},
    {"byte 0xFF at the edges", "\xFF\xFF", "\xFF\xFF"},
    {"byte 0xA0 is no blank", "\xA0x\xA0", "\xA0x\xA0"},
};

TEST(TrimText, Table)
{
    for (const TTrimCase& row : TrimCases)
        EXPECT_EQ(Escaped(TrimText(row.Text)), Escaped(row.Want)) << "row: " << row.Name;
}

} // namespace
