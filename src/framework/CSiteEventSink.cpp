#include "CSiteEventSink.h"
#include "COleControlSite.h"

STDMETHODIMP CSiteEventSink::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || (riid == m_iid && m_iid != IID_NULL)) {
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CSiteEventSink::AddRef()
{
    return m_site.AddRef();
}
STDMETHODIMP_(ULONG) CSiteEventSink::Release()
{
    return m_site.Release();
}

STDMETHODIMP CSiteEventSink::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CSiteEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo)
        *ppTInfo = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CSiteEventSink::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams,
                                    VARIANT* pVarResult, EXCEPINFO*, UINT*)
{
    if (pVarResult)
        ::VariantInit(pVarResult);
    // A handler may destroy the dialog, and with it the container's
    // reference on the site, while this call is still on the stack.
    m_site.AddRef();
    try {
        m_site.FireEvent(dispIdMember, pDispParams);
    } catch (...) {
        // The control called us; an exception must not unwind into it.
    }
    m_site.Release();
    return S_OK;
}
