#pragma once
// Decimal numbers in date and time texts.
#include <string>

// value in decimal, with leading zeros up to width digits ("-" first for a negative value).
std::string PaddedNumber(int value, int width);
