#include "app/logic/port_setting.h"

#include "app/logic/whole_number.h"

bool IsStandardPort(int32_t port)
{
    return port == 0 || port == 1433;
}

std::string StoredPortText(const std::string& typed)
{
    return IsStandardPort(PortNumber(typed)) ? std::string() : typed;
}
