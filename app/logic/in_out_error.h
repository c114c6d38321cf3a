#pragma once
// Messages of EInOutError.
#include <string>

// The message for a file operation that failed with the platform's error code: a few known
// codes have their own text; any other gives "I/O error " and the code in decimal.
std::string InOutErrorMessage(int code);
