#include "app/logic/connection_value.h"

#include "app/logic/trim_text.h"

namespace {

bool NeedsQuotes(const std::string& value)
{
    if (value.find_first_of(";'\"") != std::string::npos)
        return true;
    if (value.empty())
        return false;
    return value.front() == '=' || IsBlankOrControl(value.front()) || IsBlankOrControl(value.back());
}

std::string DoubleQuoted(const std::string& value)
{
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace

std::string ConnectionStringValue(const std::string& value)
{
    return NeedsQuotes(value) ? DoubleQuoted(value) : value;
}
