#pragma once
// The database client the connection test talks to, behind one seam so tests can put in a
// client that succeeds, fails with a given message or blocks for a while.
#include <memory>
#include <string>

#include "toolkit/component.h"

class TDatabaseClient {
public:
    virtual ~TDatabaseClient() = default;
    virtual void SetConnectionString(const std::wstring& text) = 0;
    virtual void SetCommandTimeout(int seconds) = 0;
    // Blocks until the connection is made; raises Exception with the client's error text.
    virtual void Open() = 0;
    // Ends the connection; does nothing when none is open.
    virtual void Close() = 0;
};

// The platform's ADO connection object (COM must be initialised on the calling thread).
std::unique_ptr<TDatabaseClient> CreateAdoClient();

// The dialog's database connection component: its stored settings (login prompt off, provider)
// and the client it hands every call to.
class TADOConnection : public TComponent {
public:
    explicit TADOConnection(TComponent* owner);

    TDatabaseClient& Client();
    void SetClient(std::unique_ptr<TDatabaseClient> client) { FClient = std::move(client); }

    bool SetProperty(const TLayoutProperty& property, const TLayoutContext& context) override;
    // As stored with the layout (UTF-8); the test sets its own connection string every time.
    const std::string& Provider() const { return FProvider; }
    const std::string& ConnectionString() const { return FConnectionString; }

private:
    std::unique_ptr<TDatabaseClient> FClient;
    std::string FProvider;
    std::string FConnectionString;
};
