#include "tests/imaging/test_files.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

std::vector<std::uint32_t> ReadJsonNumbers(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> text = ReadFileBytes(path);
    std::vector<std::uint32_t> numbers;
    bool inNumber = false;
    bool opened = false;
    bool closed = false;
    for (const std::uint8_t byte : text) {
        if (std::isdigit(byte) != 0 && opened && !closed) {
            numbers.resize(numbers.size() + (inNumber ? 0 : 1));
            numbers.back() = numbers.back() * 10 + (byte - '0');
            inNumber = true;
            continue;
        }
        inNumber = false;
        if (byte == '[' && !opened) {
            opened = true;
        } else if (byte == ']' && opened && !closed) {
            closed = true;
        } else if (byte != ',' && std::isspace(byte) == 0) {
            throw std::runtime_error("unexpected character in " + path.string());
        }
    }
    if (!closed) {
        throw std::runtime_error("unterminated array in " + path.string());
    }
    return numbers;
}

std::filesystem::path PngSuiteDir() { return std::filesystem::path(DBSETUP_CORPUS_DIR) / "png"; }

std::filesystem::path SourceDir() { return std::filesystem::path(DBSETUP_SOURCE_DIR); }

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char cell[6];
        std::snprintf(cell, sizeof cell, "0x%02x ", byte);
        text += cell;
    }
    return text;
}
