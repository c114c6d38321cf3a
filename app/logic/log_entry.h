#pragma once
// The text of one entry of the error log error.txt.
#include "app/logic/log_formats.h"

#include <string>

// The date in the short date pattern, then, unless hour, minute and second are all zero
// (milliseconds do not count), a blank and the long time.
std::string FormatTimeStamp(const TLogFormats& formats, const TDateTimeParts& moment);

// Time stamp, tab, the message byte for byte, carriage return and line feed.
std::string LogEntry(const std::string& timeStamp, const std::string& message);
