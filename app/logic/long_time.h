#pragma once
// The time part of a log time stamp.
#include "app/logic/log_formats.h"

#include <string>

// Hours, TimeSeparator, two-digit minutes, TimeSeparator, two-digit seconds. Hours have two
// digits only with LeadingZeroInHours. On a 12-hour clock the hours run 1-12 and the AM or PM
// text stands before the time followed by a blank, or after it preceded by a blank; an empty
// marker text brings no blank either. A 24-hour clock runs 0-23 without a marker.
std::string FormatLongTime(const TLogFormats& formats, const TDateTimeParts& moment);
