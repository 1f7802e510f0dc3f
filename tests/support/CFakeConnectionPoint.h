// CFakeConnectionPoint: the control's DWebBrowserEvents2 connection point.
// Any number of sinks; Advise asks each for DIID_DWebBrowserEvents2, then
// IDispatch, and holds that one reference until Unadvise or the control's
// end.  Fire calls every sink advised when the event starts, so a sink may
// unadvise from inside its handler.
#pragma once
#include "FakeBrowserRecord.h"
#include "ComStub.h"
#include <memory>
#include <string>
#include <vector>

class CFakeConnectionPoint final : public ComStub<StubLife::Counted, IConnectionPoint> {
public:
    static ComPtr<CFakeConnectionPoint> Create(IConnectionPointContainer* container,
                                               std::shared_ptr<FakeBrowserRecord> record);

    // The control is going: the point forgets it and every sink.
    void Detach();
    void Fire(DISPID id, DISPPARAMS* params);

    // The events of the WebBrowser, with the real control's argument layout
    // (DISPPARAMS last argument first):
    // NavigateComplete2 / DocumentComplete: rgvarg[1] VT_DISPATCH the page's
    // or frame's browser object, rgvarg[0] VT_VARIANT|VT_BYREF to a VT_BSTR.
    void FireNavigateComplete2(IDispatch* browser, const std::wstring& url);
    void FireDocumentComplete(IDispatch* browser, const std::wstring& url);
    // TitleChange: rgvarg[0] VT_BSTR.
    void FireTitleChange(const std::wstring& title);
    // NewWindow2: rgvarg[1] VT_DISPATCH|VT_BYREF (IDispatch**, null on entry),
    // rgvarg[0] VT_BOOL|VT_BYREF (Cancel, VARIANT_FALSE on entry).  Returns
    // whether a sink set Cancel; an object a sink handed back is released.
    bool FireNewWindow2();
    // NewWindow3, after a NewWindow2 nobody cancelled: rgvarg[4] ppDisp,
    // rgvarg[3] Cancel, rgvarg[2] VT_I4 flags (NWMF_USERINITED), rgvarg[1]
    // VT_BSTR the page that asked, rgvarg[0] VT_BSTR the address it asked
    // for.  Returns whether a sink set Cancel.
    bool FireNewWindow3(const std::wstring& urlContext, const std::wstring& url);
    // BeforeNavigate2: rgvarg[6] VT_DISPATCH the browser object, then
    // references to URL (VT_BSTR), Flags (VT_I4), TargetFrameName (VT_BSTR),
    // PostData (VT_EMPTY) and Headers (VT_BSTR), and rgvarg[0] Cancel
    // (VT_BOOL|VT_BYREF).  Returns whether a sink set Cancel.
    bool FireBeforeNavigate2(IDispatch* browser, const std::wstring& url);
    // The progress noise of a load, each with the real control's layout.
    void FireDownloadBegin();                                  // no arguments
    void FireDownloadComplete();                               // no arguments
    void FireProgressChange(long progress, long progressMax);  // two VT_I4
    void FireStatusTextChange(const std::wstring& text);       // VT_BSTR
    void FireCommandStateChange(long command, bool enable);    // VT_I4, VT_BOOL
    size_t SinkCount() const { return m_sinks.size(); }
    // IConnectionPoint
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* pIID) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** p) override { return FakeNotImpl(p); }

private:
    struct Sink {
        DWORD cookie;
        ComPtr<IDispatch> dispatch;
    };

    CFakeConnectionPoint(IConnectionPointContainer* container, std::shared_ptr<FakeBrowserRecord> record);
    ~CFakeConnectionPoint() override = default;
    void* Interface(REFIID riid) override;

    IConnectionPointContainer* m_container;  // not held: the control owns this point
    std::shared_ptr<FakeBrowserRecord> m_record;
    std::vector<Sink> m_sinks;
    DWORD m_nextCookie = 1;
};
