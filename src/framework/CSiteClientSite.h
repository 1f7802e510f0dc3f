// IOleClientSite of a control site.  Like every interface part of a site it
// has no reference count of its own: QueryInterface, AddRef and Release go
// to the site.  Its pointer is the site's identity (IUnknown).
#pragma once
#include "OccTrace.h"
#include <oleidl.h>

class COleControlSite;

class CSiteClientSite : public IOleClientSite {
public:
    explicit CSiteClientSite(COleControlSite& site) : m_site(site) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP SaveObject() override { return AfxOccNote(L"IOleClientSite::SaveObject", E_NOTIMPL); }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** ppmk) override;
    // There is no document around the controls to enumerate or lock.
    STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
    STDMETHODIMP ShowObject() override { return AfxOccNote(L"IOleClientSite::ShowObject", S_OK); }
    STDMETHODIMP OnShowWindow(BOOL) override { return AfxOccNote(L"IOleClientSite::OnShowWindow", S_OK); }
    STDMETHODIMP RequestNewObjectLayout() override
    {
        return AfxOccNote(L"IOleClientSite::RequestNewObjectLayout", E_NOTIMPL);
    }

private:
    COleControlSite& m_site;
};
