// Both browser windows let go of their control however their window dies,
// and a document that keeps its UI handler after the window object is gone
// reaches nothing that has been freed.
#include "CLoginMainWnd.h"
#include "CUIHandlerForwarder.h"
#include "CWebWnd.h"
#include "PaneFixture.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace {

enum class Death { DestroyWindowOverride, HandleDestroyedFromOutside, OwnerDestroyedFirst, ObjectDeleted };

const char* Name(Death d)
{
    switch (d) {
    case Death::DestroyWindowOverride: return "the window's DestroyWindow";
    case Death::HandleDestroyedFromOutside: return "::DestroyWindow on its handle";
    case Death::OwnerDestroyedFirst: return "its owner destroyed first";
    case Death::ObjectDeleted: return "its object deleted with the window alive";
    }
    return "";
}

long Count(const std::vector<std::wstring>& calls, const wchar_t* call)
{
    return static_cast<long>(std::count(calls.begin(), calls.end(), std::wstring(call)));
}

// Builds window object W in storage the test owns, so that after its
// destructor the bytes can be overwritten: a late call into the object
// then crashes instead of passing by luck.
template <class W>
class CScratchWindow {
public:
    explicit CScratchWindow(CWnd* pParent) { m_pWnd = new (m_storage) W(pParent); }
    ~CScratchWindow() { Delete(); }
    W* operator->() { return m_pWnd; }
    W* Get() { return m_pWnd; }
    void Delete()
    {
        if (!m_pWnd)
            return;
        m_pWnd->~W();
        m_pWnd = nullptr;
        std::memset(m_storage, 0xCC, sizeof(m_storage));
    }

private:
    alignas(W) unsigned char m_storage[sizeof(W)];
    W* m_pWnd = nullptr;
};

using BrowserTeardown = PaneTest;

template <class W>
void CheckEveryDeath(CPhaseRecorder& main, UINT idd)
{
    for (Death death : {Death::DestroyWindowOverride, Death::HandleDestroyedFromOutside, Death::OwnerDestroyedFirst,
                        Death::ObjectDeleted}) {
        SCOPED_TRACE(Name(death));
        if (!main.m_hWnd) {
            ASSERT_TRUE(main.Create(IDD_MAIN));
        }
        const LONG forwarders = CUIHandlerForwarder::GetLiveCount();
        {
            CScratchWindow<W> wnd(&main);
            ASSERT_TRUE(wnd->Create(idd));
            CFakeWebBrowser* browser = CFakeWebBrowser::Last();
            ASSERT_NE(browser, nullptr);
            const int index = browser->Index();
            EXPECT_EQ(browser->SinkCount(), 2u) << "the site's sink and the controller";

            switch (death) {
            case Death::DestroyWindowOverride: wnd->DestroyWindow(); break;
            case Death::HandleDestroyedFromOutside: ::DestroyWindow(wnd->m_hWnd); break;
            case Death::OwnerDestroyedFirst: ::DestroyWindow(main.m_hWnd); break;
            case Death::ObjectDeleted: wnd.Delete(); break;
            }
            std::shared_ptr<const FakeBrowserRecord> rec = CFakeWebBrowser::RecordOf(index);
            ASSERT_TRUE(rec);
            EXPECT_EQ(Count(rec->containerCalls, L"Advise"), 2);
            EXPECT_EQ(Count(rec->containerCalls, L"Unadvise"), 2) << "both sinks unadvised";
            EXPECT_TRUE(rec->destroyed) << "the control was released";
            EXPECT_EQ(FakeLiveObjectCount(), 0);
        }
        EXPECT_EQ(CUIHandlerForwarder::GetLiveCount(), forwarders);
    }
}

TEST_F(BrowserTeardown, LoginPaneLetsGoHoweverItsWindowDies)
{
    CheckEveryDeath<CWebWnd>(main, IDD_LOGIN_PANE);
}

TEST_F(BrowserTeardown, GameWindowLetsGoHoweverItsWindowDies)
{
    CheckEveryDeath<CLoginMainWnd>(main, IDD_GAME_WINDOW);
}

// The document outlives the pane, its control and its window object, then
// asks its handler for host information, queries it and lets it go, as a
// real document may from its own queue.
TEST_F(BrowserTeardown, LateDocumentCallsReachNothingFreed)
{
    const LONG forwarders = CUIHandlerForwarder::GetLiveCount();
    ComPtr<CFakeDocument> document;
    {
        CScratchWindow<CWebWnd> pane(&main);
        ASSERT_TRUE(pane->Create(IDD_LOGIN_PANE));
        CFakeWebBrowser* browser = CFakeWebBrowser::Last();
        ASSERT_NE(browser, nullptr);
        FakePage page;
        page.url = L"http://login.example/";
        CFakePageTable::Set(page);
        BSTR url = ::SysAllocString(page.url.c_str());
        browser->Navigate(url, nullptr, nullptr, nullptr, nullptr);
        ::SysFreeString(url);
        browser->CompleteNavigation();
        document = browser->FakeDocument();
        ASSERT_TRUE(document);
        ASSERT_NE(document->UIHandler(), nullptr);
        DOCHOSTUIINFO info = {sizeof(info)};
        EXPECT_EQ(document->AskHostInfo(0, &info), S_OK);
        EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO));

        pane->DestroyWindow();  // the control is closed and released
        pane.Delete();          // and the window object, controller and all, is gone
    }
    IDocHostUIHandler* handler = document->UIHandler();
    ASSERT_NE(handler, nullptr) << "the document kept its handler";
    DOCHOSTUIINFO info = {sizeof(info)};
    EXPECT_EQ(document->AskHostInfo(DOCHOSTUIFLAG_DIALOG, &info), S_OK);
    EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_DIALOG)) << "answered, and nothing changed";
    IUnknown* identity = nullptr;
    EXPECT_EQ(handler->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, static_cast<IUnknown*>(handler));
    if (identity)
        identity->Release();
    IDispatch* sink = nullptr;
    EXPECT_EQ(handler->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&sink)), E_NOINTERFACE);
    EXPECT_EQ(sink, nullptr);
    EXPECT_EQ(CUIHandlerForwarder::GetLiveCount(), forwarders + 1) << "held by the document alone";
    document.Reset();  // the document goes, and its handler with it
    EXPECT_EQ(CUIHandlerForwarder::GetLiveCount(), forwarders);
    EXPECT_EQ(FakeLiveObjectCount(), 0);
}

}  // namespace
