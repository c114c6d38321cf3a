// The dialog's connection component: the settings it accepts from the layout and the client it
// hands calls to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/database_client.h"
#include "tests/ado/com_apartment.h"
#include "toolkit/exceptions.h"
#include "toolkit/strings.h"

namespace {

class TNoLayoutContext : public TLayoutContext {
public:
    std::vector<std::uint8_t> Resource(const std::string&) const override { return {}; }
    TNotifyEvent NotifyHandler(const std::string&) const override { return {}; }
    TKeyPressEvent KeyPressHandler(const std::string&) const override { return {}; }
};

// A client that only counts, to tell which client the component hands calls to.
class TCountingClient : public TDatabaseClient {
public:
    explicit TCountingClient(int& opens) : FOpens(opens) {}
    void SetConnectionString(const std::wstring&) override {}
    void SetCommandTimeout(int) override {}
    void Open() override { ++FOpens; }
    void Close() override {}

private:
    int& FOpens;
};

bool Apply(TADOConnection& connection, const std::string& name, TLayoutValue value) {
    return connection.SetProperty(TLayoutProperty{name, std::move(value), 42}, TNoLayoutContext());
}

TEST(AdoConnectionComponent, ReadsTheStoredSettings) {
    TADOConnection connection(nullptr);
    EXPECT_TRUE(Apply(connection, "Name", std::string("AdoConn")));
    EXPECT_TRUE(Apply(connection, "LoginPrompt", false));
    EXPECT_TRUE(Apply(connection, "Provider", std::string("SQLOLEDB.1")));
    EXPECT_TRUE(Apply(connection, "ConnectionString", std::string("Provider=SQLOLEDB.1;Data Source=old")));
    EXPECT_EQ(connection.Name(), "AdoConn");
    EXPECT_EQ(connection.Provider(), "SQLOLEDB.1");
    EXPECT_EQ(connection.ConnectionString(), "Provider=SQLOLEDB.1;Data Source=old");
}

struct TRefusedCase {
    const char* Name;
    TLayoutValue Value;
    const char* WantInMessage;
};

TEST(AdoConnectionComponent, RefusesWhatItCannotHonour) {
    const TRefusedCase cases[] = {
        {"LoginPrompt", true, "only False"},
        {"LoginPrompt", std::string("False"), "True or False expected"},
        {"Provider", std::int64_t{1}, "string expected"},
        {"ConnectionString", TLayoutIdentifier{"cs"}, "string expected"},
    };
    for (const TRefusedCase& row : cases) {
        TADOConnection connection(nullptr);
        try {
            Apply(connection, row.Name, row.Value);
            ADD_FAILURE() << "row " << row.Name << ": accepted";
        } catch (const Exception& refusal) {
            std::string got = refusal.Message();
            EXPECT_NE(got.find("line 42"), std::string::npos) << "row " << row.Name << ": " << got;
            EXPECT_NE(got.find(row.Name), std::string::npos) << "row " << row.Name << ": " << got;
            EXPECT_NE(got.find(row.WantInMessage), std::string::npos) << "row " << row.Name << ": " << got;
        }
    }
}

TEST(AdoConnectionComponent, LeavesUnknownPropertiesToTheCaller) {
    TADOConnection connection(nullptr);
    EXPECT_FALSE(Apply(connection, "KeepConnection", true));
}

TEST(AdoConnectionComponent, HandsCallsToTheClientItWasGiven) {
    int opens = 0;
    TADOConnection connection(nullptr);
    connection.SetClient(std::make_unique<TCountingClient>(opens));
    connection.Client().Open();
    connection.Client().Open();
    EXPECT_EQ(opens, 2);
}

// Without COM on the thread the platform object cannot be made: the component is built all the
// same, and only the first use of its client fails, with the system's explanation.
TEST(AdoConnectionComponent, CreatesThePlatformObjectOnFirstUse) {
    TADOConnection connection(nullptr);
    try {
        connection.Client();
        FAIL() << "the ADO object was made without COM";
    } catch (const Exception& failure) {
        EXPECT_EQ(failure.Message(), WideToAnsi(UnexplainedFailureText(CO_E_NOTINITIALIZED)));
    }
}

TEST(AdoConnectionComponent, KeepsTheClientItMade) {
    TComApartment apartment;
    ASSERT_TRUE(SUCCEEDED(apartment.Result()));
    TADOConnection connection(nullptr);
    TDatabaseClient& first = connection.Client();
    EXPECT_EQ(&connection.Client(), &first);
    EXPECT_NO_THROW(first.Close());
}

}  // namespace
