#pragma once
// A database client for tests: records every call in order, and opens successfully, fails with
// a given message, or blocks for a while first.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/database_client.h"
#include "toolkit/exceptions.h"
#include "toolkit/strings.h"

class TFakeDatabaseClient : public TDatabaseClient {
public:
    TFakeDatabaseClient(std::vector<std::string>& events, std::optional<std::string> failure = std::nullopt, DWORD blockMilliseconds = 0)
        : FEvents(events), FFailure(std::move(failure)), FBlock(blockMilliseconds) {}

    std::function<void()> OnOpen;  // runs inside Open, while the test's busy state holds
    std::wstring ConnectionString;

    void SetConnectionString(const std::wstring& text) override {
        ConnectionString = text;
        FEvents.push_back("connection string");
    }
    void SetCommandTimeout(int seconds) override { FEvents.push_back("timeout " + std::to_string(seconds)); }
    void Open() override {
        FEvents.push_back("open");
        if (OnOpen) OnOpen();
        if (FBlock) Sleep(FBlock);
        if (FFailure) throw Exception(*FFailure);
        FOpen = true;
    }
    void Close() override {
        FEvents.push_back(FOpen ? "close" : "close (nothing open)");
        FOpen = false;
    }

private:
    std::vector<std::string>& FEvents;
    std::optional<std::string> FFailure;
    DWORD FBlock;
    bool FOpen = false;
};
