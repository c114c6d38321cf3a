#include "app/logic/conn_type.h"

#include "app/logic/ascii_case.h"
#include "app/logic/whole_number.h"

std::optional<int32_t> ConvertConnTypeFallback(const std::string& text)
{
    if (std::optional<int32_t> number = ReadWholeNumber(text))
        return number;
    if (SameTextAscii(text, "True"))
        return 1;
    if (SameTextAscii(text, "False"))
        return 0;
    return std::nullopt;
}

int ItemIndexForConnType(int32_t storedType)
{
    return storedType >= 0 ? storedType - 1 : 2;
}
