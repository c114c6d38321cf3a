#include "app/logic/connection_string.h"

#include "app/logic/connection_value.h"
#include "app/logic/port_setting.h"
#include "app/logic/trim_text.h"
#include "app/logic/whole_number.h"

namespace {

constexpr int WindowsAuthenticationIndex = 0;

// The Data Source value: the trimmed server, with ",port" for a non-standard port.
std::string DataSource(const TConnectionInputs& inputs)
{
    std::string server = TrimText(inputs.Server);
    int32_t port = PortNumber(inputs.PortText);
    if (!IsStandardPort(port)) {
        server += ',';
        server += std::to_string(port);
    }
    return server;
}

std::string WindowsAuthenticationString(const TConnectionInputs& inputs)
{
    return "Provider=SQLOLEDB.1;Persist Security Info=True;Initial Catalog=" +
           ConnectionStringValue(TrimText(inputs.Database)) +
           ";Data Source=" + ConnectionStringValue(TrimText(inputs.Server)) +
           ";Integrated Security=SSPI";
}

std::string SqlServerAuthenticationString(const TConnectionInputs& inputs)
{
    return "Provider=SQLOLEDB.1;Password=" + ConnectionStringValue(inputs.Password) +
           ";Persist Security Info=false;User ID=" + ConnectionStringValue(TrimText(inputs.User)) +
           ";Initial Catalog=" + ConnectionStringValue(TrimText(inputs.Database)) +
           ";Data Source=" + ConnectionStringValue(DataSource(inputs));
}

} // namespace

std::string ComposeConnectionString(const TConnectionInputs& inputs)
{
    if (inputs.ItemIndex == WindowsAuthenticationIndex)
        return WindowsAuthenticationString(inputs);
    return SqlServerAuthenticationString(inputs);
}
