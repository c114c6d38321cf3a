#pragma once
// Reading a text as a whole number, as the port field and the stored ConnType are read.
#include <cstdint>
#include <optional>
#include <string>

// Accepts: any number of leading blanks (byte 32 only; a tab is not skipped), an optional "+" or
// "-", then either decimal digits or a hexadecimal number after the prefix "$", "x" or "0x"
// (prefix letter and hex digits in either case). Nothing may follow, not even a blank.
//
// Range: the value is the signed number written, and it counts only inside the 32-bit signed
// range. So "-2147483648" and "-$80000000" give INT32_MIN, while "2147483648", "$80000000" and
// "$FFFFFFFF" give nothing: a hexadecimal text is a magnitude, never a two's-complement bit
// pattern, so a mistyped port such as $FFFFFFFF cannot turn into -1.
std::optional<int32_t> ReadWholeNumber(const std::string& text);

// The port as the dialog uses it: the whole number, or 0 when the text is not one.
int32_t PortNumber(const std::string& text);
