// CLicensedFactory: a class factory for the licensed test class
// (LICENSED_CLASS) that only makes controls through
// IClassFactory2::CreateInstanceLic with the right key.  The controls it
// makes are stand-in browsers.  Registered while the object lives.
#pragma once
#include <ocidl.h>
#include <string>
#include <vector>

class CLicensedFactory : public IClassFactory2 {
public:
    explicit CLicensedFactory(const std::wstring& key);
    ~CLicensedFactory();
    CLicensedFactory(const CLicensedFactory&) = delete;
    CLicensedFactory& operator=(const CLicensedFactory&) = delete;

    static const CLSID& ClassId();
    HRESULT Registered() const { return m_hrRegister; }
    // The keys CreateInstanceLic was given, in order.
    const std::vector<std::wstring>& KeysSeen() const { return m_keys; }
    int PlainCreates() const { return m_nPlainCreates; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    // Owned by the test; COM's references are only counted.
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++m_cRef); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--m_cRef); }

    STDMETHODIMP CreateInstance(IUnknown*, REFIID, void** ppv) override;
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
    STDMETHODIMP GetLicInfo(LICINFO* pLicInfo) override;
    STDMETHODIMP RequestLicKey(DWORD, BSTR* pKey) override;
    STDMETHODIMP CreateInstanceLic(IUnknown* pOuter, IUnknown*, REFIID riid, BSTR bstrKey, void** ppv) override;

private:
    LONG m_cRef = 0;
    std::wstring m_key;
    std::vector<std::wstring> m_keys;
    int m_nPlainCreates = 0;
    DWORD m_dwCookie = 0;
    HRESULT m_hrRegister;
};
