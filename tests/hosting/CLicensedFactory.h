// CLicensedFactory: a class factory for the licensed test class
// (LICENSED_CLASS) that only makes controls through
// IClassFactory2::CreateInstanceLic with the right key.  The controls it
// makes are stand-in browsers.  Registered while the object lives.
#pragma once
#include "ComStub.h"
#include <string>
#include <vector>

class CLicensedFactory : public ClassFactoryStub<StubLife::Test> {
public:
    // Owned by the test; COM's references are only counted.
    explicit CLicensedFactory(const std::wstring& key);
    ~CLicensedFactory() override;
    CLicensedFactory(const CLicensedFactory&) = delete;
    CLicensedFactory& operator=(const CLicensedFactory&) = delete;

    static const CLSID& ClassId();
    HRESULT Registered() const { return m_hrRegister; }
    // The keys CreateInstanceLic was given, in order.
    const std::vector<std::wstring>& KeysSeen() const { return m_keys; }
    int PlainCreates() const { return m_nPlainCreates; }

    STDMETHODIMP CreateInstance(IUnknown*, REFIID, void** ppv) override;
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
    STDMETHODIMP GetLicInfo(LICINFO* pLicInfo) override;
    STDMETHODIMP RequestLicKey(DWORD, BSTR* pKey) override;
    STDMETHODIMP CreateInstanceLic(IUnknown* pOuter, IUnknown*, REFIID riid, BSTR bstrKey, void** ppv) override;

private:
    std::wstring m_key;
    std::vector<std::wstring> m_keys;
    int m_nPlainCreates = 0;
    DWORD m_dwCookie = 0;
    HRESULT m_hrRegister;
};
