#pragma once
// Test helpers for the ADO tests: a COM apartment on the test's thread, and the system's own
// message for a result code, read independently of the client's code.
#include <windows.h>
#include <objbase.h>

#include <string>

// Initialises COM as the dialog's thread does, for the lifetime of the object.
class TComApartment {
public:
    TComApartment() : FResult(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~TComApartment() {
        if (SUCCEEDED(FResult)) CoUninitialize();
    }
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;
    HRESULT Result() const { return FResult; }

private:
    HRESULT FResult;
};

// FormatMessageW's text for result without its line break, or empty when the system has none.
std::wstring SystemMessage(HRESULT result);

// What the client must report for a failure nobody explained: the system's text, or the code.
std::wstring UnexplainedFailureText(HRESULT result);
