// The web UI controller joined to stand-in browsers: advising and
// unadvising, moving from one browser to another, installing itself in
// every document of a page, and giving every reference back.
#include "CWebUIController.h"
#include "StandInTest.h"

namespace {

class ControllerBrowser : public StandInTest {
protected:
    // A new stand-in control, as IWebBrowser2 and as the stand-in itself.
    static ComPtr<IWebBrowser2> NewBrowser(CFakeWebBrowser** ppFake)
    {
        ComPtr<IWebBrowser2> browser;
        EXPECT_EQ(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IWebBrowser2,
                                   reinterpret_cast<void**>(browser.GetAddressOf())),
                  S_OK);
        *ppFake = CFakeWebBrowser::Last();
        return browser;
    }

    // Loads url in the browser and fires the page's events.
    static void Load(IWebBrowser2* browser, CFakeWebBrowser* fake, const wchar_t* url)
    {
        BSTR address = SysAllocString(url);
        EXPECT_EQ(browser->Navigate(address, nullptr, nullptr, nullptr, nullptr), S_OK);
        SysFreeString(address);
        EXPECT_EQ(fake->CompleteNavigation(), S_OK);
    }

    // The controller's count, read without changing it.
    static LONG Count(CWebUIController& c)
    {
        c.AddRef();
        return static_cast<LONG>(c.Release());
    }

    // The handler documents are given: the controller's forwarder.
    static IDocHostUIHandler* Handler(CWebUIController& c) { return c.GetDocumentHandler(); }
};

FakePage Page(const wchar_t* url)
{
    FakePage page;
    page.url = url;
    return page;
}

TEST_F(ControllerBrowser, AttachAdvisesAndDetachGivesEverythingBack)
{
    CFakeWebBrowser* fake = nullptr;
    ComPtr<IWebBrowser2> browser = NewBrowser(&fake);
    ASSERT_NE(fake, nullptr);
    const LONG baseRefs = fake->RefCount();

    CWebUIController c;
    EXPECT_EQ(c.SetWebBrowser(browser.Get()), S_OK);
    EXPECT_EQ(fake->SinkCount(), 1u);
    EXPECT_EQ(fake->RefCount(), baseRefs + 1) << "the controller holds its own reference";
    EXPECT_EQ(Count(c), 1) << "the connection point holds the sink";

    EXPECT_EQ(c.SetWebBrowser(nullptr), S_OK);
    EXPECT_EQ(fake->SinkCount(), 0u);
    EXPECT_EQ(fake->RefCount(), baseRefs);
    EXPECT_EQ(Count(c), 0);

    // Detached, the control's events no longer reach it.
    Load(browser.Get(), fake, L"http://login.example/");
    ASSERT_NE(fake->FakeDocument(), nullptr);
    EXPECT_EQ(fake->FakeDocument()->SetUIHandlerCalls(), 0);
}

TEST_F(ControllerBrowser, ReattachLeavesTheFirstBrowser)
{
    CFakeWebBrowser* fake1 = nullptr;
    CFakeWebBrowser* fake2 = nullptr;
    ComPtr<IWebBrowser2> b1 = NewBrowser(&fake1);
    ComPtr<IWebBrowser2> b2 = NewBrowser(&fake2);
    ASSERT_NE(fake1, fake2);
    const LONG base1 = fake1->RefCount();
    const LONG base2 = fake2->RefCount();

    CWebUIController c;
    c.m_b3DBorder = FALSE;
    c.m_bScrollBars = FALSE;
    ASSERT_EQ(c.SetWebBrowser(b1.Get()), S_OK);
    EXPECT_EQ(c.SetWebBrowser(b2.Get()), S_OK);
    EXPECT_EQ(fake1->SinkCount(), 0u) << "unadvised from the first browser";
    EXPECT_EQ(fake1->RefCount(), base1) << "and released it";
    EXPECT_EQ(fake2->SinkCount(), 1u);
    EXPECT_EQ(fake2->RefCount(), base2 + 1);
    EXPECT_EQ(Count(c), 1) << "one sink reference, on the second browser only";

    Load(b1.Get(), fake1, L"http://one.example/");
    Load(b2.Get(), fake2, L"http://two.example/");
    EXPECT_EQ(fake1->FakeDocument()->UIHandler(), nullptr);
    EXPECT_EQ(fake2->FakeDocument()->UIHandler(), Handler(c));

    c.SetWebBrowser(nullptr);
    b2.Reset();
    EXPECT_EQ(Count(c), 0) << "the freed control released its document, and that its handler";
}

TEST_F(ControllerBrowser, EveryDocumentOfThePageGetsTheHandler)
{
    FakePage nested = Page(L"http://login.example/news/inner");
    FakePage news = Page(L"http://login.example/news");
    news.frames.push_back(nested);
    FakePage page = Page(L"http://login.example/");
    page.frames.push_back(Page(L"http://login.example/banner"));
    page.frames.push_back(news);
    CFakePageTable::Set(page);

    CFakeWebBrowser* fake = nullptr;
    ComPtr<IWebBrowser2> browser = NewBrowser(&fake);
    CWebUIController c;
    c.m_b3DBorder = FALSE;
    c.m_bScrollBars = FALSE;
    ASSERT_EQ(c.SetWebBrowser(browser.Get()), S_OK);
    Load(browser.Get(), fake, L"http://login.example/");

    const std::vector<CFakeDocument*> documents = fake->AllDocuments();
    ASSERT_EQ(documents.size(), 4u) << "the page and its three frames";
    for (CFakeDocument* doc : documents) {
        SCOPED_TRACE(testing::Message() << "document " << doc->Url().c_str());
        EXPECT_EQ(doc->UIHandler(), Handler(c));
        EXPECT_EQ(doc->SetUIHandlerCalls(), 1);
        DOCHOSTUIINFO info;
        EXPECT_EQ(doc->AskHostInfo(0, &info), S_OK);
        EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO));
        EXPECT_EQ(info.cbSize, sizeof info) << "the document's own members stay";
    }
    EXPECT_EQ(Count(c), 1 + 4) << "the sink and one reference per document";

    // The next page replaces the documents; the old ones let go of it.
    Load(browser.Get(), fake, L"http://login.example/plain");
    EXPECT_EQ(Count(c), 1 + 1);

    // The owner's order: detach, then the control goes with its documents.
    c.SetWebBrowser(nullptr);
    browser.Reset();
    EXPECT_EQ(Count(c), 0) << "nothing still holds the controller";
}

TEST_F(ControllerBrowser, DocumentsThatRefuseTheHandlerKeepTheirDefault)
{
    FakePage refusing = Page(L"http://login.example/refusing");
    refusing.noCustomDoc = true;
    FakePage empty = Page(L"http://login.example/empty");
    empty.noDocument = true;
    FakePage page = Page(L"http://login.example/");
    page.frames = {refusing, empty, Page(L"http://login.example/ok")};
    CFakePageTable::Set(page);

    CFakeWebBrowser* fake = nullptr;
    ComPtr<IWebBrowser2> browser = NewBrowser(&fake);
    CWebUIController c;
    ASSERT_EQ(c.SetWebBrowser(browser.Get()), S_OK);
    Load(browser.Get(), fake, L"http://login.example/");

    ASSERT_EQ(fake->Frames().size(), 3u);
    EXPECT_EQ(fake->Frames()[0]->FakeDocument()->UIHandler(), nullptr);
    EXPECT_EQ(fake->Frames()[1]->FakeDocument(), nullptr);
    EXPECT_EQ(fake->Frames()[2]->FakeDocument()->UIHandler(), Handler(c));
    EXPECT_EQ(fake->FakeDocument()->UIHandler(), Handler(c));
    EXPECT_EQ(Count(c), 1 + 2);

    c.SetWebBrowser(nullptr);
}

TEST_F(ControllerBrowser, FailedAttachKeepsTheBrowserUntilDetached)
{
    // A frame's browser object is an IWebBrowser2 without connection points.
    FakePage page = Page(L"http://login.example/");
    page.frames.push_back(Page(L"http://login.example/frame"));
    CFakePageTable::Set(page);
    CFakeWebBrowser* fake = nullptr;
    ComPtr<IWebBrowser2> browser = NewBrowser(&fake);
    Load(browser.Get(), fake, L"http://login.example/");
    ASSERT_EQ(fake->Frames().size(), 1u);
    CFakeFrameBrowser* frame = fake->Frames()[0].Get();
    const LONG baseRefs = frame->RefCount();

    CWebUIController c;
    EXPECT_EQ(c.SetWebBrowser(frame), E_NOINTERFACE);
    EXPECT_EQ(frame->RefCount(), baseRefs + 1) << "kept after the failed attach";
    EXPECT_EQ(Count(c), 0) << "nothing was advised";

    EXPECT_EQ(c.SetWebBrowser(nullptr), S_OK);
    EXPECT_EQ(frame->RefCount(), baseRefs);

    // Failing, then attaching elsewhere, also gives the first one back.
    EXPECT_EQ(c.SetWebBrowser(frame), E_NOINTERFACE);
    EXPECT_EQ(c.SetWebBrowser(browser.Get()), S_OK);
    EXPECT_EQ(frame->RefCount(), baseRefs);
    EXPECT_EQ(fake->SinkCount(), 1u);
    c.SetWebBrowser(nullptr);
}

}  // namespace
