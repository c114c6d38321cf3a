#include "tests/ado/com_apartment.h"

#include <array>
#include <cstdio>
#include <vector>

std::wstring SystemMessage(HRESULT result) {
    std::vector<wchar_t> buffer(4096);
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(result), 0, buffer.data(),
                                  static_cast<DWORD>(buffer.size()), nullptr);
    std::wstring text(buffer.data(), length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    return text;
}

std::wstring UnexplainedFailureText(HRESULT result) {
    std::wstring text = SystemMessage(result);
    if (!text.empty()) return text;
    std::array<wchar_t, 32> code{};
    std::swprintf(code.data(), code.size(), L"Error 0x%08X", static_cast<unsigned>(result));
    return code.data();
}
