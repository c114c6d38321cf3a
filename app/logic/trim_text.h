#pragma once
// Trimming as the input check and the connection string use it.
#include <string>

// The text without its leading and trailing bytes of value 32 or less (blanks and control
// characters). Bytes of 0x80 and above are parts of ANSI (code page 936) characters, never blanks.
std::string TrimText(const std::string& text);

// True for the bytes TrimText removes.
bool IsBlankOrControl(char byte);
