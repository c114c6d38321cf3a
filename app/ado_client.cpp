// The database client on the platform's ADO Connection object, called through its vtable, and
// the dialog's connection component that hands every call to it.
#include "app/database_client.h"

#include <windows.h>

#include <wrl/client.h>

#include <array>
#include <cstdio>
#include <memory>

#include "app/ado_interfaces.h"
#include "toolkit/exceptions.h"
#include "toolkit/strings.h"

using Microsoft::WRL::ComPtr;

namespace ado {
namespace {

struct TBstrFree {
    void operator()(BSTR text) const { SysFreeString(text); }
};
using TBstr = std::unique_ptr<OLECHAR, TBstrFree>;

TBstr MakeBstr(const std::wstring& text) {
    TBstr result(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
    if (!result) throw Exception("Out of memory");
    return result;
}

// Takes ownership of a string a COM call handed out.
std::wstring TakeBstr(BSTR text) {
    TBstr owned(text);
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

// System messages end in a line break; providers sometimes pad with blanks.
std::wstring WithoutTrailingBreaks(std::wstring text) {
    std::size_t end = text.find_last_not_of(L" \t\r\n");
    text.erase(end == std::wstring::npos ? 0 : end + 1);
    return text;
}

std::wstring ErrorInfoText(IErrorInfo* info) {
    BSTR description = nullptr;
    if (!info || FAILED(info->GetDescription(&description))) return {};
    return WithoutTrailingBreaks(TakeBstr(description));
}

std::wstring ErrorItemText(IAdoErrors& errors, long index) {
    VARIANT position;
    VariantInit(&position);
    position.vt = VT_I4;
    position.lVal = index;
    ComPtr<IAdoError> error;
    BSTR description = nullptr;
    if (FAILED(errors.get_Item(position, &error)) || !error) return {};
    if (FAILED(error->get_Description(&description))) return {};
    return WithoutTrailingBreaks(TakeBstr(description));
}

std::wstring ErrorsText(IAdoErrors* errors) {
    long count = 0;
    if (!errors || FAILED(errors->get_Count(&count))) return {};
    std::wstring text;
    for (long index = 0; index < count; ++index) {
        std::wstring line = ErrorItemText(*errors, index);
        if (line.empty()) continue;
        if (!text.empty()) text += L"\r\n";
        text += line;
    }
    return text;
}

std::wstring SystemText(HRESULT result) {
    std::array<wchar_t, 1024> buffer{};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(result), 0, buffer.data(),
                                  static_cast<DWORD>(buffer.size()), nullptr);
    std::wstring text = WithoutTrailingBreaks(std::wstring(buffer.data(), length));
    if (!text.empty()) return text;
    std::array<wchar_t, 32> number{};
    std::swprintf(number.data(), number.size(), L"Error 0x%08X", static_cast<unsigned>(result));
    return number.data();
}

}  // namespace

std::wstring AdoFailureText(HRESULT result, IErrorInfo* info, IAdoErrors* errors) {
    std::wstring text = ErrorInfoText(info);
    if (text.empty()) text = ErrorsText(errors);
    if (text.empty()) text = SystemText(result);
    return text;
}

namespace {

class TAdoClient final : public TDatabaseClient {
public:
    TAdoClient() {
        HRESULT result = CoCreateInstance(ClsidConnection, nullptr, CLSCTX_INPROC_SERVER, IidConnection,
                                          reinterpret_cast<void**>(FConnection.GetAddressOf()));
        if (FAILED(result)) throw Exception(WideToAnsi(AdoFailureText(result, nullptr, nullptr)));
    }

    void SetConnectionString(const std::wstring& text) override {
        TBstr value = MakeBstr(text);
        Check(FConnection->put_ConnectionString(value.get()));
    }

    void SetCommandTimeout(int seconds) override { Check(FConnection->put_CommandTimeout(seconds)); }

    // The connection string goes to Open as well: the object then opens what it holds, and
    // Wine's object refuses an Open without one.
    void Open() override {
        BSTR held = nullptr;
        Check(FConnection->get_ConnectionString(&held));
        TBstr connectionString(held);
        TBstr none = MakeBstr(L"");
        SetErrorInfo(0, nullptr);  // what an earlier call left must not be taken for Open's
        Check(FConnection->Open(connectionString.get(), none.get(), none.get(), adOptionUnspecified));
    }

    void Close() override {
        long state = 0;
        Check(FConnection->get_State(&state));
        if (state & adStateOpen) Check(FConnection->Close());
    }

private:
    // Raises the connection's own explanation of a failed call.
    void Check(HRESULT result) {
        if (SUCCEEDED(result)) return;
        ComPtr<IErrorInfo> info;
        if (GetErrorInfo(0, &info) != S_OK) info.Reset();
        ComPtr<IAdoErrors> errors;
        if (FAILED(FConnection->get_Errors(&errors))) errors.Reset();
        throw Exception(WideToAnsi(AdoFailureText(result, info.Get(), errors.Get())));
    }

    ComPtr<IAdoConnection> FConnection;
};

}  // namespace
}  // namespace ado

std::unique_ptr<TDatabaseClient> CreateAdoClient() { return std::make_unique<ado::TAdoClient>(); }

TADOConnection::TADOConnection(TComponent* owner) : TComponent(owner) {}

TDatabaseClient& TADOConnection::Client() {
    if (!FClient) FClient = CreateAdoClient();
    return *FClient;
}

bool TADOConnection::SetProperty(const TLayoutProperty& property, const TLayoutContext& context) {
    // A login dialog would block the test behind a window nobody asked for.
    if (property.Name == "LoginPrompt") {
        if (LayoutBoolean(property)) LayoutFail(property, "only False is supported");
    } else if (property.Name == "Provider") {
        FProvider = LayoutString(property);
    } else if (property.Name == "ConnectionString") {
        FConnectionString = LayoutString(property);
    } else {
        return TComponent::SetProperty(property, context);
    }
    return true;
}
