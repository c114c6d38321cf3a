#pragma once
// Turning the stored ConnType value into the selected authentication item.
#include <cstdint>
#include <optional>
#include <string>

// The conversion that follows when VarI4FromStr reports a type mismatch for the stored text:
// first as a whole number (see ReadWholeNumber), then as a truth word, "True" giving 1 and
// "False" giving 0. Truth words are matched without regard to letter case, as the variant
// conversion does, but without surrounding blanks. Nothing when neither applies: the caller
// raises its conversion error then.
std::optional<int32_t> ConvertConnTypeFallback(const std::string& text);

// The radio group index for a stored ConnType n: n - 1 for n >= 0, and 2 for a negative n.
// The radio group itself limits an index beyond its last item.
int ItemIndexForConnType(int32_t storedType);
