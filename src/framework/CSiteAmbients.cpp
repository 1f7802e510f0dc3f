#include "CSiteAmbients.h"
#include "COleControlSite.h"
#include <olectl.h>
#include <cwchar>

STDMETHODIMP CSiteAmbients::QueryInterface(REFIID riid, void** ppv)
{
    return m_site.QueryInterface(riid, ppv);
}
STDMETHODIMP_(ULONG) CSiteAmbients::AddRef()
{
    return m_site.AddRef();
}
STDMETHODIMP_(ULONG) CSiteAmbients::Release()
{
    return m_site.Release();
}

STDMETHODIMP CSiteAmbients::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CSiteAmbients::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo)
        *ppTInfo = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CSiteAmbients::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*, VARIANT* pVarResult,
                                   EXCEPINFO*, UINT*)
{
    // Formatted into the stack: an answer to the control allocates nothing.
    wchar_t call[48];
    ::swprintf(call, sizeof(call) / sizeof(call[0]), L"Ambients::Invoke(%ld)", static_cast<long>(dispIdMember));
    if (!(wFlags & DISPATCH_PROPERTYGET) || !pVarResult)
        return AfxOccNote(call, DISP_E_MEMBERNOTFOUND);
    ::VariantInit(pVarResult);
    if (dispIdMember == DISPID_AMBIENT_USERMODE) {
        pVarResult->vt = VT_BOOL;
        pVarResult->boolVal = VARIANT_TRUE;
        return AfxOccNote(call, S_OK);
    }
    return AfxOccNote(call, DISP_E_MEMBERNOTFOUND);
}
