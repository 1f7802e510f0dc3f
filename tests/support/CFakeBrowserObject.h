// CFakeBrowserObject: the IWebBrowser2 face shared by the stand-in control and
// by each frame's browser object.  It keeps the address, the document and
// the Silent / StatusBar switches, and answers the dispatch members the
// product invokes.  IUnknown is left to the concrete class, which owns the
// reference count.
#pragma once
#include "FakeBrowserRecord.h"
#include "FakeComSupport.h"
#include <exdisp.h>
#include <string>

class CFakeBrowserObject : public IWebBrowser2 {
public:
    // Dispatch ids of the members that work through Invoke.
    enum : DISPID {
        kNavigate = 104,
        kRefresh = -550,
        kLocationURL = 211,
        kDocument = 203,
        kSilent = 551,
        kStatusBar = 403
    };

    const std::wstring& Url() const { return m_url; }
    const std::wstring& Title() const { return m_title; }
    IDispatch* Document() const { return m_document.Get(); }  // no reference added

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override { return FakeNotImpl(ppTInfo); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT* argErr) override;

    // IWebBrowser
    HRESULT STDMETHODCALLTYPE GoBack() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GoForward() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GoHome() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GoSearch() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Navigate(BSTR URL, VARIANT* flags, VARIANT* target, VARIANT* postData,
                                       VARIANT* headers) override;
    HRESULT STDMETHODCALLTYPE Refresh() override;
    HRESULT STDMETHODCALLTYPE Refresh2(VARIANT*) override { return Refresh(); }
    HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Application(IDispatch** pp) override { return FakeNotImpl(pp); }
    HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** pp) override { return FakeNotImpl(pp); }
    HRESULT STDMETHODCALLTYPE get_Container(IDispatch** pp) override { return FakeNotImpl(pp); }
    HRESULT STDMETHODCALLTYPE get_Document(IDispatch** ppDisp) override { return FakeGive(m_document.Get(), ppDisp); }
    HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_Type(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_Left(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_Left(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Top(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_Top(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Width(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_Width(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Height(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_Height(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LocationName(BSTR* p) override;
    HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* p) override;
    HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL* p) override;

    // IWebBrowserApp
    HRESULT STDMETHODCALLTYPE Quit() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ClientToWindow(int* pcx, int* pcy) override
    {
        FakeNotImpl(pcx);
        return FakeNotImpl(pcy);
    }
    HRESULT STDMETHODCALLTYPE PutProperty(BSTR, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetProperty(BSTR, VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_FullName(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_Path(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL* p) override;
    HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_StatusText(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_StatusText(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ToolBar(int* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ToolBar(int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL) override { return E_NOTIMPL; }

    // IWebBrowser2
    HRESULT STDMETHODCALLTYPE Navigate2(VARIANT*, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID, OLECMDF* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ShowBrowserBar(VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE* p) override;
    HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL* p) override;
    HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL) override { return E_NOTIMPL; }

protected:
    // record: where Navigate, Refresh and the switches are written down; null
    // for objects nobody records (frames).
    explicit CFakeBrowserObject(FakeBrowserRecord* record) : m_record(record) {}
    virtual ~CFakeBrowserObject() = default;

    // Navigate and Refresh of the concrete object, after recording.
    virtual HRESULT StartNavigation(const std::wstring& url) = 0;
    virtual HRESULT Reload() = 0;

    // The page now shown: its address, title and document (null: none).
    void ShowPage(const std::wstring& url, const std::wstring& title, IDispatch* document);

private:
    HRESULT InvokeNavigate(DISPPARAMS* params, UINT* argErr);
    HRESULT InvokeBool(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, UINT* argErr);

    FakeBrowserRecord* m_record;
    std::wstring m_url;
    std::wstring m_title;
    ComPtr<IDispatch> m_document;
    VARIANT_BOOL m_silent = VARIANT_FALSE;
    VARIANT_BOOL m_statusBar = VARIANT_TRUE;
};
