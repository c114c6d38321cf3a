#include "app/logic/log_entry.h"

#include "app/logic/long_time.h"
#include "app/logic/short_date.h"

std::string FormatTimeStamp(const TLogFormats& formats, const TDateTimeParts& moment)
{
    std::string stamp = FormatShortDate(formats, moment);
    const bool midnight = moment.Hour == 0 && moment.Minute == 0 && moment.Second == 0;
    if (!midnight) {
        stamp += ' ';
        stamp += FormatLongTime(formats, moment);
    }
    return stamp;
}

std::string LogEntry(const std::string& timeStamp, const std::string& message)
{
    return timeStamp + "\t" + message + "\r\n";
}
