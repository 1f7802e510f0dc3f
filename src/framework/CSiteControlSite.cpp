#include "CSiteControlSite.h"
#include "COleControlSite.h"

STDMETHODIMP CSiteControlSite::QueryInterface(REFIID riid, void** ppv)
{
    return m_site.QueryInterface(riid, ppv);
}
STDMETHODIMP_(ULONG) CSiteControlSite::AddRef()
{
    return m_site.AddRef();
}
STDMETHODIMP_(ULONG) CSiteControlSite::Release()
{
    return m_site.Release();
}

STDMETHODIMP CSiteControlSite::GetExtendedControl(IDispatch** ppDisp)
{
    if (ppDisp)
        *ppDisp = nullptr;
    return AfxOccNote(L"IOleControlSite::GetExtendedControl", E_NOTIMPL);
}
