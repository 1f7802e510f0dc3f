// CWebUIController: joins a hosted WebBrowser control and customises the
// documents it loads.
//
// It listens on the control's DWebBrowserEvents2 connection point and, at
// every NavigateComplete2 (of the page and of each frame), installs itself
// (through its forwarder, below) as the new document's IDocHostUIHandler.  The documents then ask it for
// host information, and it takes away their 3-D border and scroll bars
// when the owner has cleared m_b3DBorder and m_bScrollBars.  Every other
// question of a document is declined, so the document keeps its own
// behaviour for menus, accelerators, drag and drop and the rest.
//
// One object, two views: DWebBrowserEvents2 first (the event sink), then
// IDocHostUIHandler, whose pointer is the object's identity (IUnknown).
// Both views share the one reference count m_nRefCount.
//
// Lifetime.  The controller is a member of its browser window and lives
// and dies with that window, never by its reference count:
// - Release at zero frees nothing.  The count only shows how many
//   references the control and its documents still hold; after it returns
//   to zero a later AddRef works as before.
// - Documents do not get the controller itself as their UI handler but
//   its CUIHandlerForwarder, a small heap object that forwards to the
//   controller (and counts on it) while the controller lives.  A document
//   may hold its handler past the control's Close and call it later from
//   its own queue; the forwarder outlives the window for that, and once
//   the controller is gone it answers on its own.  The destructor
//   disconnects it.
// - The window detaches the controller on every way it can be destroyed
//   (its DestroyWindow, and WM_DESTROY when something else destroys it):
//   SetWebBrowser(null) unadvises (the connection point drops its
//   reference) and releases the browser, before the container tears the
//   control down (Close, SetClientSite(null), release).
// - So apart from the forwarder the destructor neither detaches nor
//   releases: in the owner's order there is nothing left to do by then.

// Everything runs on the user-interface thread; the count is a plain
// integer.
#pragma once
#include <windows.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include "ComPtr.h"

class CUIHandlerForwarder;

class CWebUIController : public DWebBrowserEvents2, public IDocHostUIHandler {
public:
    CWebUIController();
    virtual ~CWebUIController();
    CWebUIController(const CWebUIController&) = delete;
    CWebUIController& operator=(const CWebUIController&) = delete;

    // Detaches from the browser held, if any, then attaches to pBrowser
    // (null only detaches).  The controller keeps its own reference on the
    // browser until the next call.  On a failed attach the browser stays
    // held, so a later SetWebBrowser(null) still unadvises and releases.
    HRESULT SetWebBrowser(IWebBrowser2* pBrowser);

    // The handler documents are given (no reference added): the controller's
    // forwarder, or null when it could not be made.
    IDocHostUIHandler* GetDocumentHandler() const;

    // IUnknown, shared by both views.
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch, as the DWebBrowserEvents2 sink.  Only NavigateComplete2
    // is acted on.
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    // IDocHostUIHandler.  Only GetHostInfo answers; the rest decline and
    // leave their output parameters untouched, so the document falls back
    // to its defaults.
    STDMETHODIMP ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override { return E_NOTIMPL; }
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* pInfo) override;
    STDMETHODIMP ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                        IOleInPlaceUIWindow*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP HideUI() override { return E_NOTIMPL; }
    STDMETHODIMP UpdateUI() override { return E_NOTIMPL; }
    STDMETHODIMP EnableModeless(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetOptionKeyPath(LPOLESTR*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetDropTarget(IDropTarget*, IDropTarget**) override { return E_NOTIMPL; }
    STDMETHODIMP GetExternal(IDispatch**) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateUrl(DWORD, LPWSTR, LPWSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP FilterDataObject(IDataObject*, IDataObject**) override { return E_NOTIMPL; }

private:
    // Makes this controller the UI handler of the document that the page
    // or frame object pObject now shows.  Any step that fails leaves that
    // document with its default handler.
    void InstallUIHandler(IDispatch* pObject);

    LONG m_nRefCount = 0;
    // Held from SetWebBrowser(browser) to the next SetWebBrowser, which is
    // the one place that lets it go.
    CComPtr<IWebBrowser2> m_pWebBrowser;
    DWORD m_dwCookie = 0;
    // One reference, given back by the destructor.
    CUIHandlerForwarder* m_pForwarder = nullptr;

public:
    // Set by the owner before it attaches; read at every GetHostInfo, so a
    // change applies to documents created afterwards.
    BOOL m_b3DBorder = TRUE;    // FALSE: documents have no 3-D border
    BOOL m_bScrollBars = TRUE;  // FALSE: documents have no scroll bars
};
