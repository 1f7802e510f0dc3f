// CFakeWebBrowser: the stand-in WebBrowser control.  Toward the container it
// is an ActiveX control (CFakeOleControl), persists through
// IPersistStreamInit, offers the DWebBrowserEvents2 connection point and
// names it as its default source; toward the product it is IWebBrowser2 with
// working Navigate, Refresh, LocationURL, Document, Silent and StatusBar.
// The test drives page loading: Navigate makes a page pending,
// CompleteNavigation() shows it and fires the events a real control fires.
#pragma once
#include "CFakeBrowserObject.h"
#include "CFakeConnectionPoint.h"
#include "CFakeDocument.h"
#include "CFakeFrameBrowser.h"
#include "CFakeOleControl.h"
#include "ComStub.h"
#include <memory>
#include <vector>

class CFakeWebBrowser final : public ComStub<StubLife::Counted, CFakeBrowserObject, IConnectionPointContainer,
                                             IProvideClassInfo2, IPersistStreamInit> {
public:
    // Switches that every control made from now on starts with.
    struct Settings {
        bool loadFails = false;     // IPersistStreamInit::Load reads, then returns E_FAIL
        bool asynchronous = false;  // a navigation completes by itself, posted to the control's window
        UINT completionDelay = 0;   // ms an asynchronous navigation takes, as a page that loads a while
    };
    static Settings& Defaults();

    static ComPtr<CFakeWebBrowser> Create();

    // Live controls in creation order, and the newest (null: none).
    static const std::vector<CFakeWebBrowser*>& Instances();
    static CFakeWebBrowser* Last();
    // The record of the index-th control made since ResetHistory(), also
    // after that control has been freed; null for an index never used.
    static std::shared_ptr<const FakeBrowserRecord> RecordOf(int index);
    static int CreatedCount();
    // Forgets the records of controls made so far; indexes start again at 0.
    static void ResetHistory();

    int Index() const { return m_record->index; }
    const FakeBrowserRecord& Record() const { return *m_record; }
    HWND Window() const { return m_ole.Window(); }
    // Where the control lays its page out (the container's client
    // coordinates): what the container last told it, not its window's size.
    RECT ViewRect() const { return m_ole.View(); }
    void PageClicked() { m_ole.PageClicked(); }
    bool InPlaceActive() const { return m_ole.InPlaceActive(); }
    bool UIActive() const { return m_ole.UIActive(); }
    IOleClientSite* ClientSite() const { return m_ole.ClientSite(); }
    size_t SinkCount() const { return m_point->SinkCount(); }
    CFakeConnectionPoint* ConnectionPoint() const { return m_point.Get(); }
    void SetLoadFails(bool fails) { m_settings.loadFails = fails; }
    void SetAsynchronous(bool asynchronous) { m_settings.asynchronous = asynchronous; }

    // Page state.  The current page's document (null before the first
    // completed navigation or for a page without one) and frame browsers.
    CFakeDocument* FakeDocument() const { return m_fakeDocument; }
    const std::vector<ComPtr<CFakeFrameBrowser>>& Frames() const { return m_frames; }
    // The page's document followed by every frame's, depth first.
    std::vector<CFakeDocument*> AllDocuments() const;
    bool NavigationPending() const { return m_pendingSet; }
    const std::wstring& PendingUrl() const { return m_pending.url; }

    // Completes the pending navigation as the real control does:
    // DownloadBegin, ProgressChange, StatusTextChange, CommandStateChange
    // (forward, back); the page's document replaces the old one; then
    // NavigateComplete2 for the page and for each frame (depth first),
    // TitleChange with the address, ProgressChange, DownloadComplete,
    // TitleChange with the title (when the page has one), DocumentComplete
    // for each frame (inner first) and for the page, ProgressChange(-1) and
    // StatusTextChange.  (Navigate itself fires BeforeNavigate2 first, at
    // once; a cancelled one makes nothing pending.)  S_FALSE when nothing is
    // pending.
    HRESULT CompleteNavigation();
    // NewWindow2, then NewWindow3 (for url, about:blank when empty) when no
    // sink cancelled it; returns whether a sink set Cancel.
    bool FireNewWindow2(const std::wstring& url = std::wstring());
    void FireTitleChange(const std::wstring& title);
    // DocumentComplete for the current page alone.
    void FireDocumentComplete();

    // Called by the OLE part once the control's window exists.
    void WindowReady();
    // Called by the factory for a control made with a licence key.
    void NoteLicense(const std::wstring& key)
    {
        m_record->licensed = true;
        m_record->licenseKey = key;
    }

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** ppEnum) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;

    // IProvideClassInfo2
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* pGUID) override;

    // IPersistStreamInit
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClassID) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
    HRESULT STDMETHODCALLTYPE Save(LPSTREAM, WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE InitNew() override;

protected:
    HRESULT StartNavigation(const std::wstring& url) override;
    HRESULT Reload() override;

private:
    CFakeWebBrowser(std::shared_ptr<FakeBrowserRecord> record);
    ~CFakeWebBrowser() override;
    void* Interface(REFIID riid) override;

    IDispatch* Self() { return static_cast<IWebBrowser2*>(this); }
    void PostCompletion();
    void MakePending(const std::wstring& url);
    static constexpr long kProgressMax = 10000;
    void FireNavigateCompleteTree(CFakeFrameBrowser* frame);
    void FireDocumentCompleteTree(CFakeFrameBrowser* frame);

    std::shared_ptr<FakeBrowserRecord> m_record;
    Settings m_settings;
    ComPtr<CFakeConnectionPoint> m_point;
    CFakeDocument* m_fakeDocument = nullptr;  // the reference is the base's Document()
    std::vector<ComPtr<CFakeFrameBrowser>> m_frames;
    FakePage m_pending;
    bool m_pendingSet = false;
    bool m_postWhenWindowReady = false;
    CFakeOleControl m_ole;  // last: its window goes before the rest
};
