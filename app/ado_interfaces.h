#pragma once
// The few ADO interfaces the connection test calls, declared here because the platform's own
// header only compiles with -fpermissive. Every slot up to the last one used is declared in the
// platform's vtable order, so calls go straight through the vtable: some ADO implementations
// (Wine's) carry no type library, and late binding through IDispatch fails there.
// The names follow the platform's interface convention (a leading I), not the program's T.
#include <oaidl.h>

#include <string>

namespace ado {

// CLSID_Connection and the interface ID of _Connection every ADO version answers to.
inline constexpr CLSID ClsidConnection = {
    0x00000514, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}};
inline constexpr IID IidConnection = {
    0x00000550, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}};

inline constexpr long adStateOpen = 1;           // ObjectStateEnum bit of get_State
inline constexpr long adOptionUnspecified = -1;  // Open's options: the default, synchronous

// One entry of a connection's Errors collection (ADO's Error).
struct IAdoError : IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Number(long* number) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Source(BSTR* source) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Description(BSTR* description) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HelpFile(BSTR* helpFile) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HelpContext(long* helpContext) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SQLState(BSTR* state) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_NativeError(long* nativeError) = 0;
};

// ADO's Errors: the provider's errors of the last failed call (_Collection, then its own slots).
struct IAdoErrors : IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE _NewEnum(IUnknown** enumerator) = 0;
    virtual HRESULT STDMETHODCALLTYPE Refresh() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Item(VARIANT index, IAdoError** error) = 0;
    virtual HRESULT STDMETHODCALLTYPE Clear() = 0;
};

// ADO's _Connection: _ADO (get_Properties), Connection15, then Cancel.
struct IAdoConnection : IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Properties(IDispatch** properties) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ConnectionString(BSTR* text) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ConnectionString(BSTR text) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CommandTimeout(long* seconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_CommandTimeout(long seconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ConnectionTimeout(long* seconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ConnectionTimeout(long seconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Version(BSTR* version) = 0;
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;
    virtual HRESULT STDMETHODCALLTYPE Execute(BSTR command, VARIANT* recordsAffected, long options,
                                              IDispatch** recordset) = 0;
    virtual HRESULT STDMETHODCALLTYPE BeginTrans(long* level) = 0;
    virtual HRESULT STDMETHODCALLTYPE CommitTrans() = 0;
    virtual HRESULT STDMETHODCALLTYPE RollbackTrans() = 0;
    virtual HRESULT STDMETHODCALLTYPE Open(BSTR connectionString, BSTR user, BSTR password,
                                           long options) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Errors(IAdoErrors** errors) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DefaultDatabase(BSTR* database) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DefaultDatabase(BSTR database) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsolationLevel(long* level) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IsolationLevel(long level) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Attributes(long* attributes) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Attributes(long attributes) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CursorLocation(long* location) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_CursorLocation(long location) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Mode(long* mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Mode(long mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Provider(BSTR* provider) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Provider(BSTR provider) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_State(long* state) = 0;
};

// The text that explains a failed call (result) on a connection: the description of the COM
// error information taken right after the call (info, may be null), else the descriptions in
// the connection's Errors collection (errors, may be null) one per line, else the system's text
// for result, else "Error 0x" and result in eight hex digits.
std::wstring AdoFailureText(HRESULT result, IErrorInfo* info, IAdoErrors* errors);

}  // namespace ado
