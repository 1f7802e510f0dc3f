// CFakeDocument: the scripted document of one stand-in page.  It offers
// IDispatch, IHTMLDocument3 (getElementsByTagName("input") and friends) and
// ICustomDoc (SetUIHandler keeps one reference to the handler until the
// document goes); a hostile page can refuse either interface.
#pragma once
#include "CFakeElementCollection.h"
#include <mshtmhst.h>

class CFakeDocument final : public ComStub<StubLife::Counted, DispatchStubs<IHTMLDocument3>, ICustomDoc> {
public:
    static ComPtr<CFakeDocument> Create(const FakePage& page);

    const std::wstring& Url() const { return m_url; }
    IDocHostUIHandler* UIHandler() const { return m_uiHandler.Get(); }  // no reference added
    int SetUIHandlerCalls() const { return m_setUIHandlerCalls; }
    // Asks the installed handler for host information, starting from
    // startFlags in dwFlags, as the document does before it draws.  Gives
    // E_FAIL when no handler is installed.
    HRESULT AskHostInfo(DWORD startFlags, DOCHOSTUIINFO* info) const;

    // ICustomDoc
    HRESULT STDMETHODCALLTYPE SetUIHandler(IDocHostUIHandler* handler) override;

    // IHTMLDocument3
    HRESULT STDMETHODCALLTYPE releaseCapture() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE recalc(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE createTextNode(BSTR, IHTMLDOMNode** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_documentElement(IHTMLElement** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_uniqueID(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE attachEvent(BSTR, IDispatch*, VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE detachEvent(BSTR, IDispatch*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onrowsdelete(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onrowsdelete(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onrowsinserted(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onrowsinserted(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_oncellchange(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_oncellchange(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ondatasetchanged(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondatasetchanged(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ondataavailable(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondataavailable(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ondatasetcomplete(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondatasetcomplete(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onpropertychange(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onpropertychange(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_dir(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_dir(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_oncontextmenu(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_oncontextmenu(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onstop(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onstop(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE createDocumentFragment(IHTMLDocument2** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_parentDocument(IHTMLDocument2** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_enableDownload(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_enableDownload(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_baseUrl(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_baseUrl(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_childNodes(IDispatch** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_inheritStyleSheets(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_inheritStyleSheets(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onbeforeeditfocus(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onbeforeeditfocus(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE getElementsByName(BSTR name, IHTMLElementCollection** p) override;
    HRESULT STDMETHODCALLTYPE getElementById(BSTR id, IHTMLElement** p) override;
    HRESULT STDMETHODCALLTYPE getElementsByTagName(BSTR tag, IHTMLElementCollection** p) override;

private:
    explicit CFakeDocument(const FakePage& page);
    ~CFakeDocument() override = default;
    void* Interface(REFIID riid) override;

    std::wstring m_url;
    std::vector<ComPtr<CFakeElement>> m_inputs;
    bool m_noDocument3;
    bool m_noCustomDoc;
    bool m_itemFails;
    ComPtr<IDocHostUIHandler> m_uiHandler;
    int m_setUIHandlerCalls = 0;
};
