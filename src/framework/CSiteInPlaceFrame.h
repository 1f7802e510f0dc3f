// IOleInPlaceFrame (and so IOleInPlaceUIWindow) of a control site, handed
// to the control by GetWindowContext.  The dialog is the frame: it has no
// menus, tool space or status bar to share, and it keeps the control's
// active object for keyboard translation.  QueryInterface, AddRef and
// Release go to the site.
#pragma once
#include "OccTrace.h"
#include <oleidl.h>

class COleControlSite;

class CSiteInPlaceFrame : public IOleInPlaceFrame {
public:
    explicit CSiteInPlaceFrame(COleControlSite& site) : m_site(site) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleWindow
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override
    {
        return AfxOccNote(L"IOleInPlaceFrame::ContextSensitiveHelp", E_NOTIMPL);
    }

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) override
    {
        return AfxOccNote(L"IOleInPlaceFrame::GetBorder", INPLACE_E_NOTOOLSPACE);
    }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override
    {
        return AfxOccNote(L"IOleInPlaceFrame::RequestBorderSpace", INPLACE_E_NOTOOLSPACE);
    }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override
    {
        return AfxOccNote(L"IOleInPlaceFrame::SetBorderSpace", INPLACE_E_NOTOOLSPACE);
    }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR) override;

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override
    {
        return AfxOccNote(L"IOleInPlaceFrame::InsertMenus", E_NOTIMPL);
    }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return AfxOccNote(L"IOleInPlaceFrame::SetMenu", S_OK); }
    STDMETHODIMP RemoveMenus(HMENU) override { return AfxOccNote(L"IOleInPlaceFrame::RemoveMenus", E_NOTIMPL); }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return AfxOccNote(L"IOleInPlaceFrame::SetStatusText", S_OK); }
    STDMETHODIMP EnableModeless(BOOL) override { return AfxOccNote(L"IOleInPlaceFrame::EnableModeless", S_OK); }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override
    {
        return AfxOccNote(L"IOleInPlaceFrame::TranslateAccelerator", S_FALSE);
    }

private:
    COleControlSite& m_site;
};
