#pragma once
// The error log's date and time formats as a locale gives them.
#include <windows.h>

#include "app/logic/log_formats.h"

TLogFormats ReadLocaleLogFormats(LCID locale);
