#include "tests/gif/pygif_conf.h"

#include <fstream>

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Unquoted(const std::string& value) {
    if (value.size() < 2 || value.front() != '\'' || value.back() != '\'') return value;
    std::string text = value.substr(1, value.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
        } else if (text[i + 1] == 'x' && i + 3 < text.size()) {
            out.push_back(static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16)));
            i += 3;
        } else {
            out.push_back(text[++i]);
        }
    }
    return out;
}

}  // namespace

std::optional<TPygifConf> TPygifConf::Load(const std::string& path) {
    std::ifstream file(path);
    if (!file) return std::nullopt;
    TPygifConf conf;
    std::string section, line;
    while (std::getline(file, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        conf.FSections[section][Trimmed(line.substr(0, equals))] = Unquoted(Trimmed(line.substr(equals + 1)));
    }
    return conf;
}

std::optional<std::string> TPygifConf::Value(const std::string& section, const std::string& key) const {
    auto found = FSections.find(section);
    if (found == FSections.end()) return std::nullopt;
    auto value = found->second.find(key);
    if (value == found->second.end()) return std::nullopt;
    return value->second;
}
