// The client on the platform's real ADO Connection object. Without a reachable SQL Server (and,
// under Wine, without the SQLOLEDB provider at all) every Open here fails; what is checked is
// that the failure arrives as an Exception with the object's own explanation.
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <string>

#include "app/ado_interfaces.h"
#include "app/database_client.h"
#include "tests/ado/com_apartment.h"
#include "toolkit/exceptions.h"
#include "toolkit/strings.h"

using Microsoft::WRL::ComPtr;

namespace {

const std::wstring UnreachableServer =
    L"Provider=SQLOLEDB.1;Password=secret;Persist Security Info=false;User ID=sa;"
    L"Initial Catalog=NoSuchDatabase;Data Source=no-such-server.invalid";

class AdoClientTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(FApartment.Result())); }

    // The bare object, for learning what the platform answers without the client in between.
    static ComPtr<ado::IAdoConnection> BareConnection() {
        ComPtr<ado::IAdoConnection> connection;
        HRESULT result = CoCreateInstance(ado::ClsidConnection, nullptr, CLSCTX_INPROC_SERVER, ado::IidConnection,
                                          reinterpret_cast<void**>(connection.GetAddressOf()));
        EXPECT_EQ(result, S_OK);
        return connection;
    }

    // The result of the Open the client makes, and whether the object explained it.
    struct TBareOpen {
        HRESULT Result;
        bool Explained;
    };
    static TBareOpen OpenBare(const std::wstring& text) {
        ComPtr<ado::IAdoConnection> connection = BareConnection();
        BSTR value = SysAllocString(text.c_str());
        BSTR none = SysAllocString(L"");
        connection->put_ConnectionString(value);
        SetErrorInfo(0, nullptr);
        HRESULT result = connection->Open(value, none, none, ado::adOptionUnspecified);
        ComPtr<IErrorInfo> info;
        bool explained = GetErrorInfo(0, &info) == S_OK && info;
        SysFreeString(none);
        SysFreeString(value);
        return {result, explained};
    }

private:
    TComApartment FApartment;
};

TEST_F(AdoClientTest, AcceptsConnectionStringAndCommandTimeout) {
    std::unique_ptr<TDatabaseClient> client = CreateAdoClient();
    EXPECT_NO_THROW(client->SetConnectionString(UnreachableServer));
    EXPECT_NO_THROW(client->SetCommandTimeout(30));
    EXPECT_NO_THROW(client->SetConnectionString(L""));
}

TEST_F(AdoClientTest, FailedOpenRaisesTheObjectsExplanation) {
    TBareOpen bare = OpenBare(UnreachableServer);
    ASSERT_TRUE(FAILED(bare.Result)) << std::hex << bare.Result;

    std::unique_ptr<TDatabaseClient> client = CreateAdoClient();
    client->SetConnectionString(UnreachableServer);
    client->SetCommandTimeout(30);
    try {
        client->Open();
        FAIL() << "Open succeeded against " << WideToUtf8(UnreachableServer);
    } catch (const Exception& failure) {
        std::string got = failure.Message();
        EXPECT_FALSE(got.empty());
        EXPECT_NE(got.back(), '\n');
        // Where the object gives no explanation (Wine), the system's text for its code is all
        // there is to show.
        if (!bare.Explained) {
            EXPECT_EQ(got, WideToAnsi(UnexplainedFailureText(bare.Result))) << std::hex << bare.Result;
        }
    }
}

// The connection string set before is the one Open uses: an object opened without one fails
// differently (Wine: E_FAIL at once) from one given the provider to look for.
TEST_F(AdoClientTest, OpenUsesTheConnectionStringSetBefore) {
    TBareOpen withString = OpenBare(UnreachableServer);
    TBareOpen withoutString = OpenBare(L"");
    if (withString.Result == withoutString.Result || withString.Explained)
        GTEST_SKIP() << "the platform does not tell the two apart by code";

    std::unique_ptr<TDatabaseClient> client = CreateAdoClient();
    client->SetConnectionString(UnreachableServer);
    try {
        client->Open();
        FAIL() << "Open succeeded";
    } catch (const Exception& failure) {
        EXPECT_EQ(failure.Message(), WideToAnsi(UnexplainedFailureText(withString.Result)));
        EXPECT_NE(failure.Message(), WideToAnsi(UnexplainedFailureText(withoutString.Result)));
    }
}

// The bare object refuses Close while nothing is open; the client must not pass that on.
TEST_F(AdoClientTest, CloseWithoutOpenDoesNothing) {
    ComPtr<ado::IAdoConnection> bare = BareConnection();
    long state = -1;
    ASSERT_EQ(bare->get_State(&state), S_OK);
    EXPECT_EQ(state & ado::adStateOpen, 0);
    EXPECT_TRUE(FAILED(bare->Close()));

    std::unique_ptr<TDatabaseClient> client = CreateAdoClient();
    EXPECT_NO_THROW(client->Close());
    EXPECT_NO_THROW(client->Close());
}

TEST_F(AdoClientTest, CloseAfterFailedOpenDoesNothing) {
    std::unique_ptr<TDatabaseClient> client = CreateAdoClient();
    client->SetConnectionString(UnreachableServer);
    EXPECT_THROW(client->Open(), Exception);
    EXPECT_NO_THROW(client->Close());
}

}  // namespace
