#include "CFakeClassFactory.h"
#include "CFakeWebBrowser.h"

ComPtr<CFakeClassFactory> CFakeClassFactory::Create()
{
    return ComPtr<CFakeClassFactory>(new CFakeClassFactory());
}

HRESULT CFakeClassFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IClassFactory)
        return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG CFakeClassFactory::Release()
{
    LONG left = InterlockedDecrement(&m_refs);
    if (left == 0)
        delete this;
    return left;
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
