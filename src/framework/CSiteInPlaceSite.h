// IOleInPlaceSite of a control site: where and how the control shows its
// window.  QueryInterface, AddRef and Release go to the site.
#pragma once
#include "OccTrace.h"
#include <oleidl.h>

class COleControlSite;

class CSiteInPlaceSite : public IOleInPlaceSite {
public:
    explicit CSiteInPlaceSite(COleControlSite& site) : m_site(site) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override
    {
        return AfxOccNote(L"IOleInPlaceSite::ContextSensitiveHelp", E_NOTIMPL);
    }
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override { return AfxOccNote(L"IOleInPlaceSite::OnInPlaceActivate", S_OK); }
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                  LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHODIMP Scroll(SIZE) override { return AfxOccNote(L"IOleInPlaceSite::Scroll", E_NOTIMPL); }
    STDMETHODIMP OnUIDeactivate(BOOL) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override { return AfxOccNote(L"IOleInPlaceSite::DiscardUndoState", E_NOTIMPL); }
    STDMETHODIMP DeactivateAndUndo() override { return AfxOccNote(L"IOleInPlaceSite::DeactivateAndUndo", E_NOTIMPL); }
    STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;

private:
    COleControlSite& m_site;
};
