// Any dialog texts compose to a connection string that reads back as exactly the keys of its
// format, with every value as entered (names trimmed): no text can add or change a key.
#include "app/logic/connection_string.h"
#include "app/logic/port_setting.h"
#include "app/logic/trim_text.h"
#include "app/logic/whole_number.h"

#include "tests/logic/oledb_connection_string.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::string ValueOf(const std::vector<TConnectionPair>& pairs, const std::string& key)
{
    for (const TConnectionPair& pair : pairs) {
        if (pair.Key == key)
            return pair.Value;
    }
    std::abort();
}

// The server, and for SQL Server authentication a non-standard port in decimal after a comma.
std::string WantDataSource(const TConnectionInputs& inputs)
{
    const std::string server = TrimText(inputs.Server);
    const int32_t port = PortNumber(inputs.PortText);
    if (inputs.ItemIndex == 0 || IsStandardPort(port))
        return server;
    return server + "," + std::to_string(port);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    TConnectionInputs inputs;
    inputs.ItemIndex = provider.ConsumeIntegralInRange(-1, 2);
    inputs.Server = provider.ConsumeRandomLengthString(64);
    inputs.User = provider.ConsumeRandomLengthString(64);
    inputs.Database = provider.ConsumeRandomLengthString(64);
    inputs.PortText = provider.ConsumeRandomLengthString(16);
    inputs.Password = provider.ConsumeRemainingBytesAsString();

    const auto pairs = ParseConnectionString(ComposeConnectionString(inputs));
    Require(pairs.has_value());
    const bool windows = inputs.ItemIndex == 0;
    Require(pairs->size() == (windows ? 5u : 6u));
    Require(ValueOf(*pairs, "Provider") == "SQLOLEDB.1");
    Require(ValueOf(*pairs, "Initial Catalog") == TrimText(inputs.Database));
    Require(ValueOf(*pairs, "Data Source") == WantDataSource(inputs));
    if (windows) {
        Require(ValueOf(*pairs, "Integrated Security") == "SSPI");
    } else {
        Require(ValueOf(*pairs, "Password") == inputs.Password);
        Require(ValueOf(*pairs, "User ID") == TrimText(inputs.User));
    }
    return 0;
}
