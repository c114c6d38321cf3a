#include "toolkit/exception_report.h"

#include "tests/logic/byte_text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

struct TReportCase {
    std::string Message;
    std::string Want;
};

const TReportCase ReportCases[] = {
    {"", ""},
    {"File access denied", "File access denied."},
    {"Done.", "Done."},
    {"Wow!", "Wow!"},
    {"ends in a blank ", "ends in a blank "},
    {"ends in -", "ends in -"},          // 0x2D sorts before "."
    {"ends in /", "ends in /."},         // 0x2F sorts after "."
    {"\xC7\xEB\xCA\xE4\xC8\xEB\xA3\xA1", "\xC7\xEB\xCA\xE4\xC8\xEB\xA3\xA1."}, // GBK, ends in "！"
    {"\xFF", "\xFF."},
    {"zero byte last\0"s, "zero byte last\0"s},
};

TEST(ReportText, Table)
{
    for (const TReportCase& row : ReportCases)
        EXPECT_EQ(Escaped(ExceptionReportText(row.Message)), Escaped(row.Want)) << "row: " << Escaped(row.Message);
}

} // namespace
