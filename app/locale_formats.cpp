#include "app/locale_formats.h"

namespace {

// The locale's text for one item; the fallback when the locale gives none.
std::string LocaleText(LCID locale, LCTYPE item, const std::string& fallback) {
    char buffer[128] = {};
    int length = GetLocaleInfoA(locale, item, buffer, sizeof buffer);
    return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : fallback;
}

template <std::size_t N>
void ReadNames(LCID locale, LCTYPE first, std::array<std::string, N>& names) {
    for (std::size_t i = 0; i < N; ++i) names[i] = LocaleText(locale, first + static_cast<LCTYPE>(i), names[i]);
}

}  // namespace

TLogFormats ReadLocaleLogFormats(LCID locale) {
    TLogFormats formats;
    formats.ShortDatePattern = LocaleText(locale, LOCALE_SSHORTDATE, formats.ShortDatePattern);
    formats.DateSeparator = LocaleText(locale, LOCALE_SDATE, formats.DateSeparator);
    formats.TimeSeparator = LocaleText(locale, LOCALE_STIME, formats.TimeSeparator);
    formats.TwelveHourClock = LocaleText(locale, LOCALE_ITIME, "0") == "0";
    formats.LeadingZeroInHours = LocaleText(locale, LOCALE_ITLZERO, "0") == "1";
    formats.MarkerBeforeTime = LocaleText(locale, LOCALE_ITIMEMARKPOSN, "0") == "1";
    formats.AmText = LocaleText(locale, LOCALE_S1159, formats.AmText);
    formats.PmText = LocaleText(locale, LOCALE_S2359, formats.PmText);
    ReadNames(locale, LOCALE_SABBREVMONTHNAME1, formats.ShortMonthNames);
    ReadNames(locale, LOCALE_SMONTHNAME1, formats.LongMonthNames);
    // The locale numbers days from Monday; the formats from Sunday.
    std::array<std::string, 7> shortDays, longDays;
    ReadNames(locale, LOCALE_SABBREVDAYNAME1, shortDays);
    ReadNames(locale, LOCALE_SDAYNAME1, longDays);
    for (std::size_t i = 0; i < 7; ++i) {
        if (!shortDays[i].empty()) formats.ShortDayNames[(i + 1) % 7] = shortDays[i];
        if (!longDays[i].empty()) formats.LongDayNames[(i + 1) % 7] = longDays[i];
    }
    CPINFO codePage{};
    if (GetCPInfo(CP_ACP, &codePage))
        for (int i = 0; i + 1 < MAX_LEADBYTES && codePage.LeadByte[i]; i += 2)
            for (int b = codePage.LeadByte[i]; b <= codePage.LeadByte[i + 1]; ++b) formats.LeadBytes.set(b);
    return formats;
}
