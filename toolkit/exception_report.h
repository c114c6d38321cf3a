#pragma once
// The text the application shows for an exception that escaped a handler: the message, with a
// "." added when its last byte sorts after "." (so "File access denied" ends with a full stop).
#include <string>

inline std::string ExceptionReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}
