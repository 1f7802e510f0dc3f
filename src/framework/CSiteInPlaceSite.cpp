#include "CSiteInPlaceSite.h"
#include "COleControlSite.h"

STDMETHODIMP CSiteInPlaceSite::QueryInterface(REFIID riid, void** ppv)
{
    return m_site.QueryInterface(riid, ppv);
}
STDMETHODIMP_(ULONG) CSiteInPlaceSite::AddRef()
{
    return m_site.AddRef();
}
STDMETHODIMP_(ULONG) CSiteInPlaceSite::Release()
{
    return m_site.Release();
}

STDMETHODIMP CSiteInPlaceSite::GetWindow(HWND* phwnd)
{
    return AfxOccNote(L"IOleInPlaceSite::GetWindow", m_site.GetContainerWindow(phwnd));
}

STDMETHODIMP CSiteInPlaceSite::CanInPlaceActivate()
{
    // A site whose dialog is gone has nowhere to show a control.
    HWND hWnd = nullptr;
    return AfxOccNote(L"IOleInPlaceSite::CanInPlaceActivate",
                      SUCCEEDED(m_site.GetContainerWindow(&hWnd)) ? S_OK : S_FALSE);
}

STDMETHODIMP CSiteInPlaceSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                                LPRECT lprcPosRect, LPRECT lprcClipRect,
                                                LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    return AfxOccNote(L"IOleInPlaceSite::GetWindowContext",
                      m_site.GetWindowContext(ppFrame, ppDoc, lprcPosRect, lprcClipRect, lpFrameInfo));
}

STDMETHODIMP CSiteInPlaceSite::OnInPlaceDeactivate()
{
    m_site.OnInPlaceDeactivate();
    return AfxOccNote(L"IOleInPlaceSite::OnInPlaceDeactivate", S_OK);
}

STDMETHODIMP CSiteInPlaceSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    return AfxOccNote(L"IOleInPlaceSite::OnPosRectChange", m_site.OnPosRectChange(lprcPosRect));
}

STDMETHODIMP CSiteInPlaceSite::OnUIActivate()
{
    m_site.OnUIActivate(TRUE);
    return AfxOccNote(L"IOleInPlaceSite::OnUIActivate", S_OK);
}

STDMETHODIMP CSiteInPlaceSite::OnUIDeactivate(BOOL)
{
    m_site.OnUIActivate(FALSE);
    return AfxOccNote(L"IOleInPlaceSite::OnUIDeactivate", S_OK);
}
