#pragma once
// Letter case of the ASCII letters only: in code page 936 a byte of 0x80 and above belongs to
// a two-byte character and is never a letter to be folded.
#include <string_view>

char LowerAscii(char c);

// Equal texts when ASCII letters are compared without regard to case.
bool SameTextAscii(std::string_view a, std::string_view b);
