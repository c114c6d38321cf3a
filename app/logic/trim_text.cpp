#include "app/logic/trim_text.h"

bool IsBlankOrControl(char byte)
{
    // char may be signed: a lead byte such as 0xB2 must not read as a negative "control" value.
    return static_cast<unsigned char>(byte) <= 32;
}

std::string TrimText(const std::string& text)
{
    std::string::size_type first = 0;
    std::string::size_type last = text.size();
    while (first < last && IsBlankOrControl(text[first]))
        ++first;
    while (last > first && IsBlankOrControl(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}
