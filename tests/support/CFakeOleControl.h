// CFakeOleControl: the ActiveX face of the stand-in control toward its
// container: IOleObject, IOleInPlaceObject and IOleInPlaceActiveObject.  It
// is part of CFakeWebBrowser and has no reference count of its own: IUnknown
// goes to the control.  It asks the site what a real WebBrowser asks and
// writes each question into the control's record, in call order.
#pragma once
#include "CFakeControlWindow.h"
#include "FakeBrowserRecord.h"
#include "FakeComSupport.h"
#include <oleidl.h>
#include <ocidl.h>
#include <memory>

class CFakeOleControl : public IOleObject, public IOleInPlaceObject, public IOleInPlaceActiveObject {
public:
    CFakeOleControl(CFakeWebBrowser* control, std::shared_ptr<FakeBrowserRecord> record);
    ~CFakeOleControl();

    HWND Window() const { return m_window.Handle(); }
    CFakeControlWindow& WindowObject() { return m_window; }
    RECT View() const { return m_window.View(); }
    bool InPlaceActive() const { return m_inPlaceActive; }
    bool UIActive() const { return m_uiActive; }
    IOleClientSite* ClientSite() const { return m_site.Get(); }  // no reference added
    // A click into the page: UI activation (once), then the window context
    // read again and applied, as a real control does at any time.
    void PageClicked();

    // IUnknown: the control's
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** ppSite) override { return FakeGive(m_site.Get(), ppSite); }
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, WINBOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT posRect) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* pClsid) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, for both in-place interfaces
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT posRect, LPCRECT clipRect) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return E_NOTIMPL; }

    // IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return S_OK; }

private:
    void Asked(const wchar_t* call) { m_record->siteCalls.push_back(call); }
    void AskInterfaces();
    void ReadAmbients();
    HRESULT Activate(HWND parent, LPCRECT posRect, bool uiActivate);
    // Asks the site where the control stands (pos and clip come in as the
    // defaults) and keeps the frame and document window it names.
    HRESULT AskWindowContext(IOleInPlaceSite* inPlaceSite, RECT* pos, RECT* clip);
    void EnterUIActive(IOleInPlaceSite* inPlaceSite);
    // The control's place as its container told it: recorded, and the
    // window and page go there.
    void Place(const RECT& pos, const RECT& clip);
    void Deactivate();
    void ReleaseSite();

    CFakeWebBrowser* m_control;  // owns this part
    std::shared_ptr<FakeBrowserRecord> m_record;
    ComPtr<IOleClientSite> m_site;
    ComPtr<IOleInPlaceSite> m_inPlaceSite;
    ComPtr<IOleControlSite> m_controlSite;
    ComPtr<IOleInPlaceFrame> m_frame;
    ComPtr<IOleInPlaceUIWindow> m_uiWindow;
    bool m_inPlaceActive = false;
    bool m_uiActive = false;
    SIZEL m_extent = {2646, 2646};  // 100 x 100 pixels at 96 dpi, in HIMETRIC
    CFakeControlWindow m_window;
};
