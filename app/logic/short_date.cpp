#include "app/logic/short_date.h"

#include "app/logic/ascii_case.h"
#include "app/logic/padded_number.h"

#include <algorithm>
#include <array>

namespace {

// 0 for Sunday; Gregorian calendar (Sakamoto's method).
int DayOfWeek(int year, int month, int day)
{
    static constexpr std::array<int, 12> MonthOffsets = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        --year;
    return (year + year / 4 - year / 100 + year / 400 + MonthOffsets.at(month - 1) + day) % 7;
}

std::string DayField(const TLogFormats& formats, const TDateTimeParts& moment, size_t letters)
{
    if (letters <= 2)
        return PaddedNumber(moment.Day, static_cast<int>(letters));
    int weekday = DayOfWeek(moment.Year, moment.Month, moment.Day);
    return letters == 3 ? formats.ShortDayNames.at(weekday) : formats.LongDayNames.at(weekday);
}

std::string MonthField(const TLogFormats& formats, const TDateTimeParts& moment, size_t letters)
{
    if (letters <= 2)
        return PaddedNumber(moment.Month, static_cast<int>(letters));
    size_t index = static_cast<size_t>(moment.Month - 1);
    return letters == 3 ? formats.ShortMonthNames.at(index) : formats.LongMonthNames.at(index);
}

std::string YearField(const TDateTimeParts& moment, size_t letters)
{
    if (letters <= 2)
        return PaddedNumber(moment.Year % 100, static_cast<int>(letters));
    return PaddedNumber(moment.Year, 4);
}

// Appends the literal text of the quoted run starting at pattern[start] and returns the index
// after it. A doubled quote inside, or an empty pair (''), stands for the quote itself; an
// unterminated quote runs to the end of the pattern.
size_t AppendQuoted(const std::string& pattern, size_t start, std::string& out)
{
    const char quote = pattern[start];
    size_t i = start + 1;
    if (i < pattern.size() && pattern[i] == quote) {
        out += quote;
        return i + 1;
    }
    while (i < pattern.size()) {
        if (pattern[i] != quote) {
            out += pattern[i++];
        } else if (i + 1 < pattern.size() && pattern[i + 1] == quote) {
            out += quote;
            i += 2;
        } else {
            return i + 1;
        }
    }
    return i;
}

size_t RunLength(const std::string& pattern, size_t start)
{
    size_t end = start;
    while (end < pattern.size() && LowerAscii(pattern[end]) == LowerAscii(pattern[start]))
        ++end;
    return end - start;
}

// The text of one run of a pattern letter.
std::string DateField(const TLogFormats& formats, const TDateTimeParts& moment, char letter,
                      size_t run)
{
    if (letter == 'd')
        return DayField(formats, moment, std::min<size_t>(run, 4));
    if (letter == 'm')
        return MonthField(formats, moment, std::min<size_t>(run, 4));
    return YearField(moment, run);
}

bool IsDateLetter(char letter)
{
    return letter == 'd' || letter == 'm' || letter == 'y';
}

} // namespace

std::string FormatShortDate(const TLogFormats& formats, const TDateTimeParts& moment)
{
    const std::string& pattern = formats.ShortDatePattern;
    std::string date;
    size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        size_t length = 1;
        if (c == '\'' || c == '"') {
            length = AppendQuoted(pattern, i, date) - i;
        } else if (c == '/') {
            date += formats.DateSeparator;
        } else if (formats.LeadBytes.test(static_cast<unsigned char>(c))) {
            // A two-byte character: its second byte may look like a pattern letter.
            length = std::min<size_t>(2, pattern.size() - i);
            date.append(pattern, i, length);
        } else if (IsDateLetter(LowerAscii(c))) {
            length = RunLength(pattern, i);
            date += DateField(formats, moment, LowerAscii(c), length);
        } else {
            date += c;
        }
        i += length;
    }
    return date;
}
