#include "CSiteInPlaceFrame.h"
#include "COleControlSite.h"

STDMETHODIMP CSiteInPlaceFrame::QueryInterface(REFIID riid, void** ppv)
{
    return m_site.QueryInterface(riid, ppv);
}
STDMETHODIMP_(ULONG) CSiteInPlaceFrame::AddRef()
{
    return m_site.AddRef();
}
STDMETHODIMP_(ULONG) CSiteInPlaceFrame::Release()
{
    return m_site.Release();
}

STDMETHODIMP CSiteInPlaceFrame::GetWindow(HWND* phwnd)
{
    return AfxOccNote(L"IOleInPlaceFrame::GetWindow", m_site.GetContainerWindow(phwnd));
}

STDMETHODIMP CSiteInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR)
{
    m_site.SetActiveObject(pActiveObject);
    return AfxOccNote(pActiveObject ? L"IOleInPlaceFrame::SetActiveObject" : L"IOleInPlaceFrame::SetActiveObject(null)",
                      S_OK);
}
