#include "CSiteClientSite.h"
#include "COleControlSite.h"

STDMETHODIMP CSiteClientSite::QueryInterface(REFIID riid, void** ppv)
{
    return m_site.QueryInterface(riid, ppv);
}
STDMETHODIMP_(ULONG) CSiteClientSite::AddRef()
{
    return m_site.AddRef();
}
STDMETHODIMP_(ULONG) CSiteClientSite::Release()
{
    return m_site.Release();
}

STDMETHODIMP CSiteClientSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk)
        *ppmk = nullptr;
    return AfxOccNote(L"IOleClientSite::GetMoniker", E_NOTIMPL);
}

STDMETHODIMP CSiteClientSite::GetContainer(IOleContainer** ppContainer)
{
    if (!ppContainer)
        return AfxOccNote(L"IOleClientSite::GetContainer", E_POINTER);
    *ppContainer = nullptr;
    return AfxOccNote(L"IOleClientSite::GetContainer", E_NOINTERFACE);
}
