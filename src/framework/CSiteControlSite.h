// IOleControlSite of a control site.  The container adds no extended
// control and keeps no property frames, so most members just agree or
// decline.  QueryInterface, AddRef and Release go to the site.
#pragma once
#include "OccTrace.h"
#include <ocidl.h>

class COleControlSite;

class CSiteControlSite : public IOleControlSite {
public:
    explicit CSiteControlSite(COleControlSite& site) : m_site(site) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP OnControlInfoChanged() override { return AfxOccNote(L"IOleControlSite::OnControlInfoChanged", S_OK); }
    STDMETHODIMP LockInPlaceActive(BOOL) override
    {
        return AfxOccNote(L"IOleControlSite::LockInPlaceActive", E_NOTIMPL);
    }
    STDMETHODIMP GetExtendedControl(IDispatch** ppDisp) override;
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override
    {
        return AfxOccNote(L"IOleControlSite::TransformCoords", E_NOTIMPL);
    }
    // Keys the control does not want go on through the dialog as usual.
    STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override
    {
        return AfxOccNote(L"IOleControlSite::TranslateAccelerator", S_FALSE);
    }
    STDMETHODIMP OnFocus(BOOL) override { return AfxOccNote(L"IOleControlSite::OnFocus", S_OK); }
    STDMETHODIMP ShowPropertyFrame() override { return AfxOccNote(L"IOleControlSite::ShowPropertyFrame", E_NOTIMPL); }

private:
    COleControlSite& m_site;
};
