#pragma once
// Reads the .conf files of the pygif test suite: INI sections of "key = value" lines, '#' comments,
// values in single quotes with Python escapes (\xNN, \\, \'), kept as UTF-8.
#include <map>
#include <optional>
#include <string>

class TPygifConf {
public:
    // Empty when the file cannot be read.
    static std::optional<TPygifConf> Load(const std::string& path);

    // The value of key in section, or nothing.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

private:
    std::map<std::string, std::map<std::string, std::string>> FSections;
};
