#include "app/logic/log_entry.h"

#include "tests/logic/byte_text.h"

#include <gtest/gtest.h>

namespace {

// Locales as Windows describes them.
TLogFormats UnitedStates()
{
    TLogFormats formats;
    formats.ShortDatePattern = "M/d/yyyy";
    formats.TwelveHourClock = true;
    formats.LeadingZeroInHours = false;
    formats.AmText = "AM";
    formats.PmText = "PM";
    return formats;
}

TLogFormats ChinaMainland()
{
    TLogFormats formats;
    formats.ShortDatePattern = "yyyy/M/d";
    formats.LeadingZeroInHours = false;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        formats.LeadBytes.set(static_cast<size_t>(lead));
    return formats;
}

// zh-CN with "tt h:mm:ss": 上午/下午 before the time.
TLogFormats ChinaMainlandTwelveHour()
{
    TLogFormats formats = ChinaMainland();
    formats.TwelveHourClock = true;
    formats.MarkerBeforeTime = true;
    formats.AmText = "\xC9\xCF\xCE\xE7";
    formats.PmText = "\xCF\xC2\xCE\xE7";
    return formats;
}

TLogFormats WithPattern(TLogFormats formats, const std::string& pattern, const std::string& separator)
{
    formats.ShortDatePattern = pattern;
    formats.DateSeparator = separator;
    return formats;
}

TLogFormats TwelveHourWithLeadingZero()
{
    TLogFormats formats;
    formats.TwelveHourClock = true;
    return formats;
}

TLogFormats EmptyMarkers()
{
    TLogFormats formats = UnitedStates();
    formats.AmText.clear();
    return formats;
}

TLogFormats DottedTime()
{
    TLogFormats formats;
    formats.TimeSeparator = ".";
    return formats;
}

// year, month, day, hour, minute, second, millisecond
constexpr TDateTimeParts Afternoon{2024, 3, 5, 14, 7, 9, 0};
constexpr TDateTimeParts Morning{2024, 3, 5, 9, 5, 3, 0};
constexpr TDateTimeParts Midnight{2024, 3, 5, 0, 0, 0, 0};

struct TStampCase {
    const char* Name;
    TLogFormats Formats;
    TDateTimeParts Moment;
    std::string Want;
};

const TStampCase StampCases[] = {
    {"defaults, afternoon", {}, Afternoon, "3/5/24 14:07:09"},
    {"defaults, leading zeros", {}, Morning, "3/5/24 09:05:03"},
    {"midnight gives the date alone", {}, Midnight, "3/5/24"},
    {"milliseconds do not count", {}, {2024, 3, 5, 0, 0, 0, 999}, "3/5/24"},
    {"one second past midnight", {}, {2024, 3, 5, 0, 0, 1, 0}, "3/5/24 00:00:01"},
    {"one minute past midnight", {}, {2024, 3, 5, 0, 1, 0, 0}, "3/5/24 00:01:00"},
    {"en-US afternoon", UnitedStates(), Afternoon, "3/5/2024 2:07:09 PM"},
    {"en-US half past midnight", UnitedStates(), {2024, 3, 5, 0, 30, 0, 0}, "3/5/2024 12:30:00 AM"},
    {"en-US noon", UnitedStates(), {2024, 3, 5, 12, 0, 0, 0}, "3/5/2024 12:00:00 PM"},
    {"en-US before noon", UnitedStates(), {2024, 3, 5, 11, 59, 59, 0}, "3/5/2024 11:59:59 AM"},
    {"en-US midnight", UnitedStates(), Midnight, "3/5/2024"},
    {"zh-CN 24-hour", ChinaMainland(), Morning, "2024/3/5 9:05:03"},
    {"zh-CN 12-hour marker before", ChinaMainlandTwelveHour(), Afternoon,
     "2024/3/5 \xCF\xC2\xCE\xE7 2:07:09"},
    {"zh-CN 12-hour morning", ChinaMainlandTwelveHour(), Morning, "2024/3/5 \xC9\xCF\xCE\xE7 9:05:03"},
    {"12-hour with leading zero", TwelveHourWithLeadingZero(), {2024, 3, 5, 13, 2, 3, 0},
     "3/5/24 01:02:03 pm"},
    {"empty marker brings no blank", EmptyMarkers(), Morning, "3/5/2024 9:05:03"},
    {"time separator", DottedTime(), Afternoon, "3/5/24 14.07.09"},
    {"date separator replaces /", WithPattern({}, "yyyy/MM/dd", "-"), Midnight, "2024-03-05"},
    {"literal separators copied", WithPattern({}, "dd.MM.yyyy", "/"), Midnight, "05.03.2024"},
    {"one-letter year", WithPattern({}, "d/M/y", "/"), {2005, 3, 5}, "5/3/5"},
    {"two-letter year", WithPattern({}, "d/M/yy", "/"), {2005, 3, 5}, "5/3/05"},
    {"day and month names", WithPattern({}, "ddd, MMM d yy", "/"), Midnight, "Tue, Mar 5 24"},
    {"long names", WithPattern({}, "dddd d MMMM yyyy", "/"), Midnight, "Tuesday 5 March 2024"},
    {"weekday in February of a leap year", WithPattern({}, "dddd", "/"), {2000, 2, 29}, "Tuesday"},
    {"weekday on 1 January", WithPattern({}, "ddd", "/"), {2024, 1, 1}, "Mon"},
    {"weekday on 31 December", WithPattern({}, "ddd", "/"), {1999, 12, 31}, "Fri"},
    {"quoted GBK literals", WithPattern(ChinaMainland(), "yyyy'\xC4\xEA'M'\xD4\xC2'd'\xC8\xD5'", "/"),
     Midnight, "2024\xC4\xEA" "3\xD4\xC2" "5\xC8\xD5"},
    {"doubled quote is a quote", WithPattern({}, "d''M", "/"), Midnight, "5'3"},
    {"double-quoted literal", WithPattern({}, "\"day\" d", "/"), Midnight, "day 5"},
    {"two-byte character whose second byte is d", WithPattern(ChinaMainland(), "yyyy\x81" "dM", "/"),
     Midnight, "2024\x81" "d3"},
};

TEST(FormatTimeStamp, Table)
{
    for (const TStampCase& row : StampCases)
        EXPECT_EQ(Escaped(FormatTimeStamp(row.Formats, row.Moment)), Escaped(row.Want)) << "row: " << row.Name;
}

TEST(FormatTimeStamp, MonthOutOfRangeForNamesThrows)
{
    EXPECT_THROW(FormatTimeStamp(WithPattern({}, "MMM", "/"), {2024, 13, 1}), std::out_of_range);
}

} // namespace
