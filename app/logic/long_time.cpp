#include "app/logic/long_time.h"

#include "app/logic/padded_number.h"

namespace {

std::string Hours(const TLogFormats& formats, int hour)
{
    int shown = hour;
    if (formats.TwelveHourClock)
        shown = hour % 12 == 0 ? 12 : hour % 12;
    return PaddedNumber(shown, formats.LeadingZeroInHours ? 2 : 1);
}

std::string WithMarker(const TLogFormats& formats, int hour, const std::string& time)
{
    const std::string& marker = hour < 12 ? formats.AmText : formats.PmText;
    if (marker.empty())
        return time;
    return formats.MarkerBeforeTime ? marker + " " + time : time + " " + marker;
}

} // namespace

std::string FormatLongTime(const TLogFormats& formats, const TDateTimeParts& moment)
{
    std::string time = Hours(formats, moment.Hour) + formats.TimeSeparator +
                       PaddedNumber(moment.Minute, 2) + formats.TimeSeparator +
                       PaddedNumber(moment.Second, 2);
    return formats.TwelveHourClock ? WithMarker(formats, moment.Hour, time) : time;
}
