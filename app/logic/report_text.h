#pragma once
// The text of the application's report of an exception that escaped an event handler.
#include <string>

// The message, with "." appended when it is not empty and its last byte sorts after "." in
// unsigned byte order: "File access denied" becomes "File access denied."; a message ending in
// ".", "!" or a blank stays as it is; one ending in a byte of 0x80 or above (the last byte of
// a two-byte character such as "！") gets the ".".
std::string ReportText(const std::string& message);
