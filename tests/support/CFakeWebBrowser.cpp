#include "CFakeWebBrowser.h"
#include "CFakeEnumConnectionPoints.h"
#include "CFakePageTable.h"
#include "FakeBrowserChannel.h"
#include <algorithm>

namespace {

std::vector<CFakeWebBrowser*>& LiveControls()
{
    static std::vector<CFakeWebBrowser*> controls;
    return controls;
}

std::vector<std::shared_ptr<FakeBrowserRecord>>& History()
{
    static std::vector<std::shared_ptr<FakeBrowserRecord>> records;
    return records;
}

}  // namespace

CFakeWebBrowser::Settings& CFakeWebBrowser::Defaults()
{
    static Settings settings;
    return settings;
}

ComPtr<CFakeWebBrowser> CFakeWebBrowser::Create()
{
    auto record = std::make_shared<FakeBrowserRecord>();
    record->index = static_cast<int>(History().size());
    History().push_back(record);
    return ComPtr<CFakeWebBrowser>(new CFakeWebBrowser(record));
}

const std::vector<CFakeWebBrowser*>& CFakeWebBrowser::Instances()
{
    return LiveControls();
}

CFakeWebBrowser* CFakeWebBrowser::Last()
{
    return LiveControls().empty() ? nullptr : LiveControls().back();
}

std::shared_ptr<const FakeBrowserRecord> CFakeWebBrowser::RecordOf(int index)
{
    if (index < 0 || index >= static_cast<int>(History().size()))
        return nullptr;
    return History()[index];
}

int CFakeWebBrowser::CreatedCount()
{
    return static_cast<int>(History().size());
}

void CFakeWebBrowser::ResetHistory()
{
    History().clear();
}

CFakeWebBrowser::CFakeWebBrowser(std::shared_ptr<FakeBrowserRecord> record)
    : ComStub(record.get()), m_record(record), m_settings(Defaults()), m_ole(this, record)
{
    m_point = CFakeConnectionPoint::Create(this, record);
    LiveControls().push_back(this);
}

CFakeWebBrowser::~CFakeWebBrowser()
{
    m_point->Detach();
    auto& live = LiveControls();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    m_record->destroyed = true;
}

void* CFakeWebBrowser::Interface(REFIID riid)
{
    if (IidIn(riid, {IID_IUnknown, IID_IDispatch, IID_IWebBrowser, IID_IWebBrowserApp, IID_IWebBrowser2}))
        return static_cast<IWebBrowser2*>(this);
    if (riid == IID_IConnectionPointContainer)
        return static_cast<IConnectionPointContainer*>(this);
    if (IidIn(riid, {IID_IProvideClassInfo, IID_IProvideClassInfo2}))
        return static_cast<IProvideClassInfo2*>(this);
    if (IidIn(riid, {IID_IPersist, IID_IPersistStreamInit}))
        return static_cast<IPersistStreamInit*>(this);
    // The ActiveX part shares this object's count.
    if (riid == IID_IOleObject)
        return static_cast<IOleObject*>(&m_ole);
    if (IidIn(riid, {IID_IOleWindow, IID_IOleInPlaceObject}))
        return static_cast<IOleInPlaceObject*>(&m_ole);
    if (riid == IID_IOleInPlaceActiveObject)
        return static_cast<IOleInPlaceActiveObject*>(&m_ole);
    return nullptr;
}

HRESULT CFakeWebBrowser::EnumConnectionPoints(IEnumConnectionPoints** ppEnum)
{
    if (!ppEnum)
        return E_POINTER;
    *ppEnum = CFakeEnumConnectionPoints::Create(m_point.Get()).Detach();
    return S_OK;
}

HRESULT CFakeWebBrowser::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP)
{
    if (!ppCP)
        return E_POINTER;
    *ppCP = nullptr;
    if (riid != DIID_DWebBrowserEvents2)
        return CONNECT_E_NOCONNECTION;
    return FakeGive(m_point.Get(), ppCP);
}

HRESULT CFakeWebBrowser::GetGUID(DWORD kind, GUID* pGUID)
{
    if (!pGUID)
        return E_POINTER;
    *pGUID = GUID_NULL;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID)
        return E_INVALIDARG;
    *pGUID = DIID_DWebBrowserEvents2;
    return S_OK;
}

HRESULT CFakeWebBrowser::GetClassID(CLSID* pClassID)
{
    if (!pClassID)
        return E_POINTER;
    *pClassID = CLSID_WebBrowser;
    return S_OK;
}

HRESULT CFakeWebBrowser::Load(LPSTREAM stream)
{
    m_record->containerCalls.push_back(L"Load");
    m_record->loadCalls++;
    if (!stream)
        return E_POINTER;
    // Everything the stream gives, to its end, so a test sees exactly the
    // bytes the container handed over.
    BYTE chunk[256];
    ULONG got = 0;
    while (SUCCEEDED(stream->Read(chunk, sizeof(chunk), &got)) && got > 0)
        m_record->loadedBytes.insert(m_record->loadedBytes.end(), chunk, chunk + got);
    return m_settings.loadFails ? E_FAIL : S_OK;
}

HRESULT CFakeWebBrowser::InitNew()
{
    m_record->containerCalls.push_back(L"InitNew");
    m_record->initNewCalls++;
    return S_OK;
}

HRESULT CFakeWebBrowser::StartNavigation(const std::wstring& url)
{
    // As the real control does: BeforeNavigate2 at once, inside Navigate and
    // so inside whatever handler called it; a sink may cancel the load.
    ComPtr<CFakeWebBrowser> self(this);
    if (m_point->FireBeforeNavigate2(Self(), url)) {
        m_record->cancelledNavigations++;
        return S_OK;
    }
    MakePending(url);
    return S_OK;
}

HRESULT CFakeWebBrowser::Reload()
{
    if (Url().empty())
        return S_OK;     // nothing shown yet: nothing to reload
    MakePending(Url());  // a reload asks nobody first
    return S_OK;
}

void CFakeWebBrowser::MakePending(const std::wstring& url)
{
    m_pending = CFakePageTable::Find(url);
    m_pendingSet = true;
    if (m_settings.asynchronous)
        PostCompletion();
}

void CFakeWebBrowser::PostCompletion()
{
    m_postWhenWindowReady = !Window();
    if (Window())
        FakeChannelCompleteLater(Window(), m_settings.completionDelay);
}

void CFakeWebBrowser::WindowReady()
{
    if (m_postWhenWindowReady && m_pendingSet)
        PostCompletion();
}

std::vector<CFakeDocument*> CFakeWebBrowser::AllDocuments() const
{
    std::vector<CFakeDocument*> documents;
    if (m_fakeDocument)
        documents.push_back(m_fakeDocument);
    std::vector<CFakeFrameBrowser*> open;
    for (auto it = m_frames.rbegin(); it != m_frames.rend(); ++it)
        open.push_back(it->Get());
    while (!open.empty()) {
        CFakeFrameBrowser* frame = open.back();
        open.pop_back();
        if (frame->FakeDocument())
            documents.push_back(frame->FakeDocument());
        for (auto it = frame->Frames().rbegin(); it != frame->Frames().rend(); ++it)
            open.push_back(it->Get());
    }
    return documents;
}

HRESULT CFakeWebBrowser::CompleteNavigation()
{
    if (!m_pendingSet)
        return S_FALSE;
    // A sink may release the control from inside an event.
    ComPtr<CFakeWebBrowser> self(this);
    FakePage page = m_pending;
    m_pendingSet = false;
    const bool hadPage = !Url().empty();

    // The noise of a load, as the real control makes it.
    m_point->FireDownloadBegin();
    m_point->FireProgressChange(0, kProgressMax);
    m_point->FireStatusTextChange(L"正在打开网页 " + page.url + L"...");
    m_point->FireCommandStateChange(CSC_NAVIGATEFORWARD, false);
    m_point->FireCommandStateChange(CSC_NAVIGATEBACK, hadPage);

    // The old page's frames and document go now, as in the real control.
    m_frames.clear();
    ComPtr<CFakeDocument> document;
    if (!page.noDocument)
        document = CFakeDocument::Create(page);
    m_fakeDocument = document.Get();
    ShowPage(page.url, page.title, static_cast<IHTMLDocument3*>(document.Get()));
    document.Reset();
    for (const FakePage& frame : page.frames)
        m_frames.push_back(CFakeFrameBrowser::Create(frame));
    m_ole.WindowObject().Repaint();

    // Held for the events: a handler may navigate again and replace them.
    // Every NavigateComplete2 comes before any DocumentComplete; the title
    // is the address until the page's own title has been read.
    std::vector<ComPtr<CFakeFrameBrowser>> frames = m_frames;
    m_point->FireNavigateComplete2(Self(), page.url);
    for (const ComPtr<CFakeFrameBrowser>& frame : frames)
        FireNavigateCompleteTree(frame.Get());
    m_point->FireTitleChange(page.url);
    m_point->FireProgressChange(kProgressMax / 2, kProgressMax);
    m_point->FireDownloadComplete();
    if (!page.title.empty())
        m_point->FireTitleChange(page.title);
    for (const ComPtr<CFakeFrameBrowser>& frame : frames)
        FireDocumentCompleteTree(frame.Get());
    m_point->FireDocumentComplete(Self(), page.url);
    m_point->FireProgressChange(-1, kProgressMax);
    m_point->FireStatusTextChange(L"完成");
    return S_OK;
}

void CFakeWebBrowser::FireNavigateCompleteTree(CFakeFrameBrowser* frame)
{
    m_point->FireNavigateComplete2(static_cast<IWebBrowser2*>(frame), frame->Url());
    for (const ComPtr<CFakeFrameBrowser>& inner : frame->Frames())
        FireNavigateCompleteTree(inner.Get());
}

void CFakeWebBrowser::FireDocumentCompleteTree(CFakeFrameBrowser* frame)
{
    // Inner frames finish before the frame that holds them.
    for (const ComPtr<CFakeFrameBrowser>& inner : frame->Frames())
        FireDocumentCompleteTree(inner.Get());
    m_point->FireDocumentComplete(static_cast<IWebBrowser2*>(frame), frame->Url());
}

bool CFakeWebBrowser::FireNewWindow2(const std::wstring& url)
{
    ComPtr<CFakeWebBrowser> self(this);
    if (m_point->FireNewWindow2())
        return true;
    // Not cancelled: the real control asks once more, naming the address.
    return m_point->FireNewWindow3(Url(), url.empty() ? std::wstring(L"about:blank") : url);
}

void CFakeWebBrowser::FireTitleChange(const std::wstring& title)
{
    ComPtr<CFakeWebBrowser> self(this);
    m_point->FireTitleChange(title);
}

void CFakeWebBrowser::FireDocumentComplete()
{
    ComPtr<CFakeWebBrowser> self(this);
    m_point->FireDocumentComplete(Self(), Url());
}
