// The login pane against the stand-in control: placement, the controller,
// the "loginurl" capture, and the keyboard and mouse filter.
#include "CWebWnd.h"
#include "PaneFixture.h"

namespace {

const wchar_t kGame[] = L"http://game.example/play?s=1";

class LoginPane : public PaneTest {
protected:
    CWebWnd pane{&main};
    CFakeWebBrowser* browser = nullptr;
    CString loginUrl;

    void SetUp() override
    {
        PaneTest::SetUp();
        // The pane is created where its template puts it, relative to its
        // owner's client area: with the owner's client at the screen origin
        // the pane stands at the origin too.
        POINT origin = {0, 0};
        ::ClientToScreen(main.m_hWnd, &origin);
        RECT r = WindowRect(main.m_hWnd);
        main.MoveWindow(r.left - origin.x, r.top - origin.y, r.right - r.left, r.bottom - r.top);
        loginUrl.LoadString(IDS_LOGIN_URL);
        ASSERT_TRUE(pane.Create(IDD_LOGIN_PANE));
        browser = CFakeWebBrowser::Last();
        ASSERT_NE(browser, nullptr);
    }
    void TearDown() override
    {
        pane.DestroyWindow();
        PaneTest::TearDown();
    }
    // Loads page as the pane's document (the page's own navigation, as a
    // click on the page makes it), then forgets the phases it sent.
    void Load(FakePage page)
    {
        page.url = loginUrl.GetString();
        CFakePageTable::Set(page);
        BSTR url = loginUrl.AllocSysString();
        browser->Navigate(url, nullptr, nullptr, nullptr, nullptr);
        ::SysFreeString(url);
        browser->CompleteNavigation();
        main.phases.clear();
    }
};

TEST_F(LoginPane, PlacesTheBrowserAndStartsTheLoginPage)
{
    ASSERT_EQ(WindowRect(pane.m_hWnd).left, 0);
    ASSERT_EQ(WindowRect(pane.m_hWnd).top, 0);
    RECT r = WindowRect(browser->Window());
    EXPECT_EQ(r.left, -10);
    EXPECT_EQ(r.top, -10);
    EXPECT_EQ(r.right - r.left, 800);
    EXPECT_EQ(r.bottom - r.top, 400);
    EXPECT_EQ(::GetParent(browser->Window()), pane.m_hWnd);

    const FakeBrowserRecord& rec = browser->Record();
    EXPECT_EQ(rec.silentPuts, std::vector<bool>{true});
    EXPECT_EQ(rec.statusBarPuts, std::vector<bool>{false});
    EXPECT_EQ(rec.navigations, std::vector<std::wstring>{loginUrl.GetString()});
    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_EQ(::GetWindow(pane.m_hWnd, GW_OWNER), main.m_hWnd);

    pane.ShowWindow(SW_SHOW);
    EXPECT_TRUE(::IsWindowVisible(browser->Window())) << "the browser shows whenever the pane does";
}

TEST_F(LoginPane, EveryDocumentOfAPageWithTwoFramesSendsZero)
{
    FakePage page;
    page.frames.resize(2);
    page.frames[0].url = L"http://login.example/a";
    page.frames[1].url = L"http://login.example/b";
    page.url = loginUrl.GetString();
    CFakePageTable::Set(page);
    BSTR url = loginUrl.AllocSysString();
    browser->Navigate(url, nullptr, nullptr, nullptr, nullptr);
    ::SysFreeString(url);
    main.phases.clear();
    browser->CompleteNavigation();
    EXPECT_EQ(main.phases, (std::vector<WPARAM>{0, 0, 0}));

    // Each document, frames included, took the controller as its UI handler.
    DOCHOSTUIINFO info = {sizeof(info)};
    ASSERT_NE(browser->FakeDocument(), nullptr);
    EXPECT_EQ(browser->FakeDocument()->AskHostInfo(0, &info), S_OK);
    EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO));
}

struct CaptureCase {
    const char* name;
    FakePage page;
    const wchar_t* expectedUrl;  // m_strLoginUrl afterwards
    bool sent;                   // wParam 255 sent and the new window cancelled
};

std::vector<CaptureCase> CaptureCases()
{
    std::vector<CaptureCase> cases;
    auto add = [&](const char* name, FakePage page, const wchar_t* url, bool sent) {
        cases.push_back({name, std::move(page), url, sent});
    };
    FakePage p;
    add("no input: earlier capture lost", p, L"", false);
    p = FakePage();
    p.Input(L"loginurl", L"", CFakeVariant::Bstr(L""));
    add("empty value", p, L"", false);
    p = FakePage();
    p.Input(L"loginurl", L"", CFakeVariant::Bstr(L" "));
    add("a single blank counts", p, L" ", true);
    p = FakePage();
    p.Input(L"user", L"", CFakeVariant::Bstr(L"x"))
        .Input(L"", L"loginurl", CFakeVariant::Bstr(kGame))
        .Input(L"loginurl", L"", CFakeVariant::Bstr(L"http://second.example/"));
    add("by id, first of two in document order", p, kGame, true);
    p = FakePage();
    p.frames.resize(1);
    p.frames[0].Input(L"loginurl", L"", CFakeVariant::Bstr(kGame));
    add("only inside a frame: not found", p, L"", false);
    p = FakePage();
    p.Input(L"loginurl", L"", CFakeVariant::I4(7));
    add("value not a string", p, L"", false);
    p = FakePage();
    p.Input(L"loginurl", L"", CFakeVariant::Bstr(std::wstring(L"http://a.example/\0tail", 22)));
    add("embedded NUL cuts the text", p, L"http://a.example/", true);
    return cases;
}

TEST_F(LoginPane, NewWindowReadsTheLoginAddress)
{
    for (const CaptureCase& c : CaptureCases()) {
        pane.m_strLoginUrl = L"http://earlier.example/";
        Load(c.page);
        CString atSend;
        main.onPhase = [&](WPARAM) { atSend = pane.m_strLoginUrl; };
        bool cancelled = browser->FireNewWindow2();
        main.onPhase = nullptr;

        EXPECT_EQ(pane.m_strLoginUrl, c.expectedUrl) << c.name;
        EXPECT_EQ(cancelled, c.sent) << c.name;
        EXPECT_EQ(main.phases, c.sent ? std::vector<WPARAM>{255} : std::vector<WPARAM>{}) << c.name;
        if (c.sent) {
            EXPECT_EQ(atSend, c.expectedUrl) << c.name << ": the address is in place when 255 arrives";
        }
    }
}

TEST_F(LoginPane, BrokenDocumentsChangeNothing)
{
    for (int which = 0; which < 2; ++which) {
        FakePage p;
        p.Input(L"loginurl", L"", CFakeVariant::Bstr(kGame));
        (which == 0 ? p.noDocument : p.noDocument3) = true;
        pane.m_strLoginUrl = L"kept";
        Load(p);
        EXPECT_FALSE(browser->FireNewWindow2()) << which;
        EXPECT_EQ(pane.m_strLoginUrl, L"kept") << which;
        EXPECT_TRUE(IsEmpty(main.phases)) << which;
    }
}

TEST_F(LoginPane, EveryNewWindowRepeatsTheReading)
{
    FakePage p;
    p.Input(L"loginurl", L"", CFakeVariant::Bstr(kGame));
    Load(p);
    EXPECT_TRUE(browser->FireNewWindow2());
    EXPECT_TRUE(browser->FireNewWindow2());
    EXPECT_EQ(main.phases, (std::vector<WPARAM>{255, 255}));
}

TEST_F(LoginPane, WithoutMainWindowACaptureStillCancels)
{
    FakePage p;
    p.Input(L"loginurl", L"", CFakeVariant::Bstr(kGame));
    Load(p);
    TestApp().m_pMainWnd = nullptr;
    EXPECT_TRUE(browser->FireNewWindow2());
    EXPECT_EQ(pane.m_strLoginUrl, kGame);
    EXPECT_TRUE(IsEmpty(main.phases));
    TestApp().m_pMainWnd = &main;
}

TEST_F(LoginPane, FiltersRightButtonF5AndEnter)
{
    HWND page = browser->Window();
    EXPECT_TRUE(Deliver(page, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5))) << "right button discarded";

    EXPECT_TRUE(Deliver(page, WM_KEYDOWN, VK_F5)) << "F5 does not reach the page";
    EXPECT_EQ(browser->Record().refreshCalls, 1);

    main.phases.clear();
    EXPECT_FALSE(Deliver(page, WM_KEYDOWN, VK_RETURN)) << "Enter goes on to the page";
    EXPECT_EQ(main.phases, std::vector<WPARAM>{0});
}

TEST_F(LoginPane, TeardownUnadvisesAndReleasesEverything)
{
    Load(FakePage());
    pane.DestroyWindow();
    auto rec = CFakeWebBrowser::RecordOf(0);
    ASSERT_NE(rec, nullptr);
    EXPECT_TRUE(rec->destroyed);
    EXPECT_EQ(FakeLiveObjectCount(), 0);
}

}  // namespace
