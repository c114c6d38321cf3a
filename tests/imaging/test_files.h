#pragma once
// Reading test data: whole files as bytes and the flat JSON number arrays of the PngSuite corpus.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Reads a JSON array of non-negative integers, such as [255, 0, 12]; raises std::runtime_error
// for anything else.
std::vector<std::uint32_t> ReadJsonNumbers(const std::filesystem::path& path);

std::filesystem::path PngSuiteDir();
std::filesystem::path SourceDir();

// "0x1f 0x02 ..." for failure messages.
std::string HexBytes(const std::vector<std::uint8_t>& bytes);
