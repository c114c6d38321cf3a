#pragma once
// The date part of a log time stamp.
#include "app/logic/log_formats.h"

#include <string>

// The date of moment written in formats.ShortDatePattern. Pattern letters are read without
// regard to case, so that the Windows patterns ("yyyy/M/d", "M/d/yyyy", where M is the month)
// and the default "m/d/yy" read alike: in a date pattern, m always means the month. A letter
// run too long counts as its longest form (ddddd as dddd). Other characters are copied.
// Throws std::out_of_range for a month outside 1-12 when a month name is asked for.
std::string FormatShortDate(const TLogFormats& formats, const TDateTimeParts& moment);
