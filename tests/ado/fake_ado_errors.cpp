#include "tests/ado/fake_ado_errors.h"

#include <atomic>

namespace {

// Reference counting and an IDispatch that offers no late binding, for both fakes.
template <class TInterface>
class TDispatchFake : public TInterface {
public:
    virtual ~TDispatchFake() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
        *object = this;
        this->AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++FReferences; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --FReferences;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

private:
    std::atomic<ULONG> FReferences{1};
};

class TFakeError final : public TDispatchFake<ado::IAdoError> {
public:
    explicit TFakeError(std::wstring description) : FDescription(std::move(description)) {}
    HRESULT STDMETHODCALLTYPE get_Description(BSTR* text) override {
        *text = SysAllocStringLen(FDescription.data(), static_cast<UINT>(FDescription.size()));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Number(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Source(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_HelpFile(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_HelpContext(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_SQLState(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_NativeError(long*) override { return E_NOTIMPL; }

private:
    std::wstring FDescription;
};

class TFakeErrors final : public TDispatchFake<ado::IAdoErrors> {
public:
    TFakeErrors(std::vector<std::wstring> descriptions, bool countFails)
        : FDescriptions(std::move(descriptions)), FCountFails(countFails) {}
    HRESULT STDMETHODCALLTYPE get_Count(long* count) override {
        if (FCountFails) return E_UNEXPECTED;
        *count = static_cast<long>(FDescriptions.size());
        return S_OK;
    }
    // ADO takes the position as any integer variant; the client sends VT_I4.
    HRESULT STDMETHODCALLTYPE get_Item(VARIANT index, ado::IAdoError** error) override {
        *error = nullptr;
        if (index.vt != VT_I4) return DISP_E_TYPEMISMATCH;
        if (index.lVal < 0 || static_cast<std::size_t>(index.lVal) >= FDescriptions.size())
            return E_INVALIDARG;
        *error = new TFakeError(FDescriptions[static_cast<std::size_t>(index.lVal)]);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE _NewEnum(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Refresh() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clear() override { return E_NOTIMPL; }

private:
    std::vector<std::wstring> FDescriptions;
    bool FCountFails;
};

}  // namespace

ado::IAdoErrors* NewFakeAdoErrors(std::vector<std::wstring> descriptions, bool countFails) {
    return new TFakeErrors(std::move(descriptions), countFails);
}

IErrorInfo* NewErrorInfo(const std::wstring& description) {
    ICreateErrorInfo* creator = nullptr;
    if (FAILED(CreateErrorInfo(&creator))) return nullptr;
    std::wstring text = description;
    creator->SetDescription(text.data());
    IErrorInfo* info = nullptr;
    creator->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
    creator->Release();
    return info;
}
