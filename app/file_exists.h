#pragma once
// A file, not a folder, at the path: a folder of that name counts as no file.
#include <windows.h>

#include <string>

inline bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
