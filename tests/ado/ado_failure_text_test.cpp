// Which explanation of a failed ADO call reaches the user: the error information first, then the
// provider's Errors collection, then the system's text, then the bare code.
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <optional>
#include <string>
#include <vector>

#include "app/ado_interfaces.h"
#include "tests/ado/com_apartment.h"
#include "tests/ado/fake_ado_errors.h"
#include "toolkit/strings.h"

using Microsoft::WRL::ComPtr;

namespace {

// A result code no system message table knows: the customer bit is set.
constexpr HRESULT UnknownFailure = static_cast<HRESULT>(0xA0CD1234);

struct TFailureCase {
    const char* Name;
    HRESULT Result;
    std::optional<std::wstring> InfoDescription;        // no error information when absent
    std::optional<std::vector<std::wstring>> Errors;    // no collection when absent
    bool CountFails;
    std::wstring Want;  // empty: the system's text for Result
};

const TFailureCase FailureCases[] = {
    {"error info wins over the collection", E_FAIL, L"Login failed for user 'sa'.",
     std::vector<std::wstring>{L"from the collection"}, false, L"Login failed for user 'sa'."},
    {"error info loses its trailing line break", E_FAIL, L"Server not found.\r\n  ", std::nullopt, false,
     L"Server not found."},
    {"empty error info gives way to the collection", E_FAIL, L"",
     std::vector<std::wstring>{L"first", L"second"}, false, L"first\r\nsecond"},
    {"collection lines joined, empty ones left out", E_FAIL, std::nullopt,
     std::vector<std::wstring>{L"first", L"", L"third\r\n"}, false, L"first\r\nthird"},
    {"empty collection gives the system text", E_FAIL, std::nullopt, std::vector<std::wstring>{}, false,
     L""},
    {"collection that cannot count gives the system text", E_FAIL, std::nullopt,
     std::vector<std::wstring>{L"unreachable"}, true, L""},
    {"nothing but the code: system text", E_FAIL, std::nullopt, std::nullopt, false, L""},
    {"unknown code without any text", UnknownFailure, std::nullopt, std::nullopt, false,
     L"Error 0xA0CD1234"},
    {"unknown code with a collection", UnknownFailure, std::nullopt,
     std::vector<std::wstring>{L"Provider cannot be found."}, false, L"Provider cannot be found."},
};

class AdoFailureTextTest : public ::testing::Test {
    TComApartment FApartment;
};

TEST_F(AdoFailureTextTest, ExplanationComesFromTheFirstSourceThatHasOne) {
    for (const TFailureCase& row : FailureCases) {
        ComPtr<IErrorInfo> info;
        if (row.InfoDescription) info.Attach(NewErrorInfo(*row.InfoDescription));
        ComPtr<ado::IAdoErrors> errors;
        if (row.Errors) errors.Attach(NewFakeAdoErrors(*row.Errors, row.CountFails));
        std::wstring want = row.Want.empty() ? SystemMessage(row.Result) : row.Want;

        std::wstring got = ado::AdoFailureText(row.Result, info.Get(), errors.Get());
        EXPECT_EQ(WideToUtf8(got), WideToUtf8(want)) << "row: " << row.Name;
    }
}

// The fallback for E_FAIL must be a real sentence from the system, not the code, and without the
// line break FormatMessage ends it with.
TEST_F(AdoFailureTextTest, SystemTextForUnspecifiedFailureIsTheSystemsSentence) {
    std::wstring got = ado::AdoFailureText(E_FAIL, nullptr, nullptr);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(WideToUtf8(got), WideToUtf8(SystemMessage(E_FAIL)));
    EXPECT_NE(got.rfind(L"Error 0x", 0), 0u) << WideToUtf8(got);
    EXPECT_NE(got.back(), L'\n');
    EXPECT_NE(got.back(), L'\r');
}

}  // namespace
