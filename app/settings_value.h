#pragma once
// A value handed to and returned by the settings store: nothing, a text or an integer. It
// reaches the file as text: a text unchanged, an integer in decimal, nothing as empty text.
#include <cstdint>
#include <string>
#include <variant>

using TSettingsValue = std::variant<std::monostate, std::string, std::int32_t>;

inline std::string SettingsValueText(const TSettingsValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    return {};
}
