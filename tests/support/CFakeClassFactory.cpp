#include "CFakeClassFactory.h"
#include "CFakeWebBrowser.h"

ComPtr<CFakeClassFactory> CFakeClassFactory::Create()
{
    return ComPtr<CFakeClassFactory>(new CFakeClassFactory());
}

HRESULT CFakeClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    ComPtr<CFakeWebBrowser> control = CFakeWebBrowser::Create();
    return control->QueryInterface(riid, ppv);
}

HRESULT CFakeClassFactory::LockServer(WINBOOL lock)
{
    if (lock)
        InterlockedIncrement(&m_locks);
    else
        InterlockedDecrement(&m_locks);
    return S_OK;
}

HRESULT CFakeClassFactory::GetLicInfo(LICINFO* info)
{
    if (!info)
        return E_POINTER;
    info->cbLicInfo = sizeof(*info);
    info->fRuntimeKeyAvail = FALSE;
    info->fLicVerified = TRUE;
    return S_OK;
}

HRESULT CFakeClassFactory::CreateInstanceLic(IUnknown* outer, IUnknown*, REFIID riid, BSTR key, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    ComPtr<CFakeWebBrowser> control = CFakeWebBrowser::Create();
    control->NoteLicense(key ? std::wstring(key, SysStringLen(key)) : std::wstring());
    return control->QueryInterface(riid, ppv);
}
