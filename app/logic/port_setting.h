#pragma once
// What Save stores under ConnPort.
#include <cstdint>
#include <string>

// The port text exactly as typed when it reads as a whole number other than 0 and 1433 (the
// standard port); otherwise the empty text, so that the standard port is never stored.
std::string StoredPortText(const std::string& typed);

// True for the port numbers that mean "the server's standard port": 0 (none given) and 1433.
bool IsStandardPort(int32_t port);
