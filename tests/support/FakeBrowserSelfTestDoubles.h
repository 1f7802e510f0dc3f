// Small hand-made COM objects that play the container's side in the
// stand-in browser's self-test: an event sink, a UI handler and a client
// site.  They live on the test's stack; their counts only show who holds
// them.
#pragma once
#include "ComStub.h"
#include <exdisp.h>
#include <exdispid.h>
#include <mshtmhst.h>
#include <oleidl.h>
#include <string>
#include <vector>

struct SinkEvent {
    DISPID id;
    std::vector<VARTYPE> types;    // rgvarg[0], rgvarg[1], ...
    IDispatch* browser = nullptr;  // rgvarg[1] of NavigateComplete2 / DocumentComplete
    std::wstring text;             // the address or the title
    bool newWindowNullOnEntry = false;
    bool cancelFalseOnEntry = false;
};

class CTestSink : public ComStub<StubLife::Test, DispatchStubs<IDispatch>> {
public:
    explicit CTestSink(bool answersEvents2) : m_answersEvents2(answersEvents2) {}
    bool cancelNewWindow = false;
    bool cancelNavigation = false;
    std::vector<SinkEvent> events;

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        SinkEvent e{id, {}};
        for (UINT i = 0; i < params->cArgs; ++i)
            e.types.push_back(params->rgvarg[i].vt);
        const VARIANT* a = params->rgvarg;
        if (params->cArgs == 2 && a[1].vt == VT_DISPATCH) {
            e.browser = a[1].pdispVal;
            if (a[0].vt == (VT_VARIANT | VT_BYREF) && a[0].pvarVal->vt == VT_BSTR)
                e.text = a[0].pvarVal->bstrVal;
        }
        if (params->cArgs == 1 && a[0].vt == VT_BSTR)
            e.text = a[0].bstrVal;
        if (params->cArgs == 2 && a[1].vt == (VT_DISPATCH | VT_BYREF) && a[0].vt == (VT_BOOL | VT_BYREF)) {
            e.newWindowNullOnEntry = *a[1].ppdispVal == nullptr;
            e.cancelFalseOnEntry = *a[0].pboolVal == VARIANT_FALSE;
            if (cancelNewWindow)
                *a[0].pboolVal = VARIANT_TRUE;
        }
        if (id == DISPID_BEFORENAVIGATE2 && params->cArgs == 7) {
            if (a[5].vt == (VT_VARIANT | VT_BYREF) && a[5].pvarVal->vt == VT_BSTR)
                e.text = a[5].pvarVal->bstrVal;
            e.cancelFalseOnEntry = a[0].vt == (VT_BOOL | VT_BYREF) && *a[0].pboolVal == VARIANT_FALSE;
            if (cancelNavigation)
                *a[0].pboolVal = VARIANT_TRUE;
        }
        if (id == DISPID_NEWWINDOW3 && params->cArgs == 5 && a[0].vt == VT_BSTR)
            e.text = a[0].bstrVal;
        events.push_back(e);
        return S_OK;
    }

private:
    void* Interface(REFIID riid) override
    {
        if (IidIn(riid, {IID_IUnknown, IID_IDispatch}) || (m_answersEvents2 && riid == DIID_DWebBrowserEvents2))
            return static_cast<IDispatch*>(this);
        return nullptr;
    }

    bool m_answersEvents2;
};

class CTestUIHandler : public ComStub<StubLife::Test, IDocHostUIHandler> {
public:
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override
    {
        info->dwFlags |= DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                     IOleInPlaceUIWindow*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE HideUI() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UpdateUI() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject**) override { return E_NOTIMPL; }

private:
    void* Interface(REFIID riid) override
    {
        return IidIn(riid, {IID_IUnknown, IID_IDocHostUIHandler}) ? static_cast<IDocHostUIHandler*>(this) : nullptr;
    }
};

// A client site with in-place support and ambient properties (user mode on,
// nothing else), hosting into window.
class CTestSite : public ComStub<StubLife::Test, IOleClientSite, IOleInPlaceSite, DispatchStubs<IDispatch>> {
public:
    CTestSite(HWND window, RECT pos) : m_window(window), m_pos(pos) {}

    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* p) override
    {
        *p = m_window;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO) override
    {
        *frame = nullptr;
        *doc = nullptr;
        *pos = m_pos;
        *clip = m_pos;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override
    {
        if (id != DISPID_AMBIENT_USERMODE)
            return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_BOOL;
        result->boolVal = VARIANT_TRUE;
        return S_OK;
    }

private:
    void* Interface(REFIID riid) override
    {
        if (IidIn(riid, {IID_IUnknown, IID_IOleClientSite}))
            return static_cast<IOleClientSite*>(this);
        if (IidIn(riid, {IID_IOleWindow, IID_IOleInPlaceSite}))
            return static_cast<IOleInPlaceSite*>(this);
        if (riid == IID_IDispatch)
            return static_cast<IDispatch*>(this);
        return nullptr;
    }

    HWND m_window;
    RECT m_pos;
};
