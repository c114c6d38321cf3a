#pragma once
// The exact texts of the GIF reader's and decoder's failures, all raised as
// EInvalidGraphicOperation.
#include "toolkit/exceptions.h"

inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kUnknownVersion = "Unknown GIF version";
inline constexpr const char* kWrongColorCount = "Wrong number of colors; must be a power of 2";
inline constexpr const char* kCodeSizeOutOfRange = "GIF code size not in range 2 to 9";
inline constexpr const char* kCorruptData = "GIF encoded data is corrupt";
// Followed by the label as two upper-case hexadecimal digits.
inline constexpr const char* kUnrecognizedExtension = "Unrecognized extension block: ";
