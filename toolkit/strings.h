#pragma once
// Text at the Win32 boundary. The program's strings are 8-bit texts in the system's ANSI code
// page (they may hold zero bytes); windows are always spoken to through the wide interface,
// converting here, so captions read right whatever the code page. Texts written in the source
// are UTF-8.
#include <string>
#include <string_view>

std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
std::string Utf8ToAnsi(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
inline std::string Utf8ToAnsi(std::u8string_view utf8) {
    return Utf8ToAnsi(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}
inline std::wstring Utf8ToWide(std::u8string_view utf8) {
    return Utf8ToWide(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}
