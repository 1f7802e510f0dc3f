// The browser wrapper against a hosted stand-in control: each member reaches
// the control as the member it names, with its value, and brings back what
// the control answers.
#include "CExplorer_l.h"
#include "CDialog.h"
#include "CWinApp.h"
#include "DDX.h"
#include "StandInTest.h"
#include "resource.h"

namespace {

// A bare window on the login pane's template, whose browser item the
// container hosts and DDX_Control attaches to the wrapper.
class CBrowserHost : public CDialog {
public:
    CExplorer_l m_wndBrowser;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_LOGIN_BROWSER, m_wndBrowser); }
};

class Explorer : public StandInTest {
protected:
    static void SetUpTestSuite() { AfxEnableControlContainer(); }
};

TEST_F(Explorer, MembersReachTheHostedControl)
{
    FakePage page;
    page.url = L"http://login.example/start";
    page.title = L"Start page";  // differs from the address on purpose
    CFakePageTable::Set(page);

    CBrowserHost host;
    ASSERT_TRUE(host.Create(IDD_LOGIN_PANE));
    CExplorer_l& w = host.m_wndBrowser;
    CFakeWebBrowser* fake = CFakeWebBrowser::Last();
    ASSERT_NE(fake, nullptr);
    ASSERT_NE(w.GetControlUnknown(), nullptr);

    EXPECT_EQ(w.get_Document(), nullptr) << "no page yet";
    EXPECT_EQ(w.get_LocationURL(), L"");

    // Each put carries its own value to its own property.
    w.put_Silent(TRUE);
    w.put_StatusBar(FALSE);
    w.put_Silent(FALSE);
    w.put_StatusBar(TRUE);
    EXPECT_EQ(fake->Record().silentPuts, (std::vector<bool>{true, false}));
    EXPECT_EQ(fake->Record().statusBarPuts, (std::vector<bool>{false, true}));

    w.Navigate(L"http://login.example/start", nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(fake->Record().navigations, (std::vector<std::wstring>{L"http://login.example/start"}));
    ASSERT_TRUE(fake->NavigationPending()) << "Navigate returns before the page completes";
    ASSERT_EQ(fake->CompleteNavigation(), S_OK);

    EXPECT_STREQ(w.get_LocationURL(), L"http://login.example/start");

    IDispatch* shown = fake->Document();
    ASSERT_NE(shown, nullptr);
    const LONG docRefs = fake->FakeDocument()->RefCount();
    IDispatch* doc = w.get_Document();
    EXPECT_EQ(doc, shown);
    EXPECT_EQ(fake->FakeDocument()->RefCount(), docRefs + 1) << "the caller owns one reference";
    if (doc)
        doc->Release();

    EXPECT_EQ(fake->Record().refreshCalls, 0);
    w.Refresh();
    EXPECT_EQ(fake->Record().refreshCalls, 1);
    EXPECT_EQ(fake->PendingUrl(), L"http://login.example/start") << "the same page reloads";
    EXPECT_EQ(fake->Record().navigations.size(), 1u) << "a reload is not a new navigation";

    host.DestroyWindow();
}

TEST_F(Explorer, CreateHostsTheControlInAGivenWindow)
{
    CDialog parent;
    ASSERT_TRUE(parent.Create(IDD_MAIN));
    ASSERT_EQ(CFakeWebBrowser::CreatedCount(), 0) << "the parent hosts nothing of its own";

    CExplorer_l w;
    const RECT rect = {10, 20, 210, 120};
    ASSERT_TRUE(w.Create(L"", WS_CHILD | WS_VISIBLE, rect, &parent, 4321));
    ASSERT_EQ(CFakeWebBrowser::CreatedCount(), 1) << "a WebBrowser was made for it";
    CFakeWebBrowser* fake = CFakeWebBrowser::Last();
    ASSERT_NE(fake, nullptr);

    EXPECT_EQ(w.m_hWnd, fake->Window());
    EXPECT_EQ(::GetParent(w.m_hWnd), parent.m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(w.m_hWnd), 4321);
    RECT r = {};
    ::GetWindowRect(w.m_hWnd, &r);
    ::MapWindowPoints(nullptr, parent.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 210);
    EXPECT_EQ(r.bottom, 120);

    w.Navigate(L"http://login.example/", nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(fake->Record().navigations.size(), 1u);

    parent.DestroyWindow();
    EXPECT_TRUE(CFakeWebBrowser::RecordOf(0)->destroyed) << "the control goes with its parent";
}

TEST_F(Explorer, WithoutAControlEveryMemberDoesNothing)
{
    CExplorer_l w;
    w.Navigate(L"http://login.example/", nullptr, nullptr, nullptr, nullptr);
    w.Refresh();
    w.put_Silent(TRUE);
    w.put_StatusBar(FALSE);
    EXPECT_EQ(w.get_LocationURL(), L"");
    EXPECT_EQ(w.get_Document(), nullptr);
    EXPECT_EQ(CFakeWebBrowser::CreatedCount(), 0);
}

}  // namespace
