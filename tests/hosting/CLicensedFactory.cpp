#include "CLicensedFactory.h"
#include "CFakeWebBrowser.h"

const CLSID& CLicensedFactory::ClassId()
{
    static const CLSID clsid = {0x3A6B0F52, 0x77C1, 0x4D0E, {0x9E, 0x1B, 0x52, 0xA7, 0xC0, 0xF1, 0xD9, 0x03}};
    return clsid;
}

CLicensedFactory::CLicensedFactory(const std::wstring& key) : m_key(key)
{
    m_hrRegister = ::CoRegisterClassObject(ClassId(), static_cast<IClassFactory2*>(this), CLSCTX_INPROC_SERVER,
                                           REGCLS_MULTIPLEUSE, &m_dwCookie);
}

CLicensedFactory::~CLicensedFactory()
{
    if (SUCCEEDED(m_hrRegister))
        ::CoRevokeClassObject(m_dwCookie);
}

STDMETHODIMP CLicensedFactory::CreateInstance(IUnknown*, REFIID, void** ppv)
{
    // Without a key this machine holds no licence.
    ++m_nPlainCreates;
    if (ppv)
        *ppv = nullptr;
    return CLASS_E_NOTLICENSED;
}

STDMETHODIMP CLicensedFactory::GetLicInfo(LICINFO* pLicInfo)
{
    if (!pLicInfo)
        return E_POINTER;
    pLicInfo->fRuntimeKeyAvail = TRUE;
    pLicInfo->fLicVerified = FALSE;
    return S_OK;
}

STDMETHODIMP CLicensedFactory::RequestLicKey(DWORD, BSTR* pKey)
{
    if (pKey)
        *pKey = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CLicensedFactory::CreateInstanceLic(IUnknown* pOuter, IUnknown*, REFIID riid, BSTR bstrKey, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    m_keys.push_back(bstrKey ? std::wstring(bstrKey, ::SysStringLen(bstrKey)) : std::wstring());
    if (pOuter)
        return CLASS_E_NOAGGREGATION;
    if (m_keys.back() != m_key)
        return CLASS_E_NOTLICENSED;
    return CFakeWebBrowser::Create()->QueryInterface(riid, ppv);
}
