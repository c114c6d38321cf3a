#pragma once
// The clock reading and the locale's date and time formats that a log time stamp is made
// from. The Win32 side fills both (GetLocalTime, GetLocaleInfoA); tests set them directly.
#include <array>
#include <bitset>
#include <string>

// One local date and time as the clock gives it. Month 1-12, day 1-31, hour 0-23.
struct TDateTimeParts {
    int Year = 0;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// The locale's formats, 8-bit texts in the ANSI code page. The defaults are those used when
// the locale gives no value.
struct TLogFormats {
    // Short date pattern: d, dd (day), ddd, dddd (day name), M or m, MM or mm (month), MMM, MMMM
    // (month name), y, yy (year within the century), yyyy (full year); "/" stands for
    // DateSeparator; text in single or double quotes is literal.
    std::string ShortDatePattern = "m/d/yy";
    // The lead bytes of the ANSI code page's two-byte characters (from GetCPInfo; in code page
    // 936 0x81-0xFE). Their second bytes are never read as pattern letters. Empty by default.
    std::bitset<256> LeadBytes;
    std::string DateSeparator = "/";
    std::string TimeSeparator = ":";
    bool TwelveHourClock = false;
    bool LeadingZeroInHours = true;
    bool MarkerBeforeTime = false; // where the AM/PM marker stands on a 12-hour clock
    std::string AmText = "am";
    std::string PmText = "pm";
    // Names for the pattern letters that ask for them: months January first, days Sunday first.
    std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
};
