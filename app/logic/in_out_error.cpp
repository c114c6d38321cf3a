#include "app/logic/in_out_error.h"

#include <array>
#include <string_view>

namespace {

struct TKnownInOutError {
    int Code;
    std::string_view Message;
};

constexpr std::array<TKnownInOutError, 7> KnownInOutErrors = {{
    {2, "File not found"},
    {3, "Invalid filename"},
    {4, "Too many open files"},
    {5, "File access denied"},
    {100, "Read beyond end of file"},
    {101, "Disk full"},
    {106, "Invalid numeric input"},
}};

} // namespace

std::string InOutErrorMessage(int code)
{
    for (const TKnownInOutError& known : KnownInOutErrors) {
        if (known.Code == code)
            return std::string(known.Message);
    }
    return "I/O error " + std::to_string(code);
}
