#include "app/logic/in_out_error.h"
#include "app/logic/log_entry.h"

#include "tests/logic/byte_text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

struct TEntryCase {
    const char* Name;
    std::string TimeStamp;
    std::string Message;
    std::string Want;
};

const TEntryCase EntryCases[] = {
    {"plain", "3/5/24 14:07:09", "Unable to write to C:\\a\\Setting.ini",
     "3/5/24 14:07:09\tUnable to write to C:\\a\\Setting.ini\r\n"},
    {"empty message", "3/5/24 14:07:09", "", "3/5/24 14:07:09\t\r\n"},
    {"midnight stamp", "3/5/24", "x", "3/5/24\tx\r\n"},
    {"line break inside kept", "3/5/24", "first\r\nsecond", "3/5/24\tfirst\r\nsecond\r\n"},
    {"GBK prefix and message", "2024/3/5",
     "\xCA\xFD\xBE\xDD\xBF\xE2\xC1\xAC\xBD\xD3\xC9\xE8\xD6\xC3:E_FAIL",
     "2024/3/5\t\xCA\xFD\xBE\xDD\xBF\xE2\xC1\xAC\xBD\xD3\xC9\xE8\xD6\xC3:E_FAIL\r\n"},
    {"zero byte kept", "d", "a\0b"s, "d\ta\0b\r\n"s},
};

TEST(LogEntry, Table)
{
    for (const TEntryCase& row : EntryCases)
        EXPECT_EQ(Escaped(LogEntry(row.TimeStamp, row.Message)), Escaped(row.Want)) << "row: " << row.Name;
}

struct TInOutCase {
    int Code;
    std::string Want;
};

const TInOutCase InOutCases[] = {
    {2, "File not found"},
    {3, "Invalid filename"},
    {4, "Too many open files"},
    {5, "File access denied"},
    {100, "Read beyond end of file"},
    {101, "Disk full"},
    {106, "Invalid numeric input"},
    {32, "I/O error 32"},
    {0, "I/O error 0"},
    {1, "I/O error 1"},
    {6, "I/O error 6"},
    {-1, "I/O error -1"},
};

TEST(InOutErrorMessage, Table)
{
    for (const TInOutCase& row : InOutCases)
        EXPECT_EQ(InOutErrorMessage(row.Code), row.Want) << "row: code " << row.Code;
}

} // namespace
