// Broken and hostile pages: the launcher neither crashes nor leaks (the
// fixture checks every stand-in object is released), and a page value only
// ever reaches the game browser.
#include "LaunchFixture.h"
#include "UrlHandler.h"

USE_GDIPLUS_IN_TESTS();

namespace {

const wchar_t kGame[] = L"http://game.example/";

class HostileInput : public LaunchTest {
protected:
    // Reveals the login phase, then shows page as the login document and
    // has it ask for a new window.  Returns whether it was cancelled.
    bool Capture(FakePage page)
    {
        LoginCompletes(loginUrl.GetString());
        page.url = loginUrl.GetString();
        CFakePageTable::Set(page);
        BSTR b = loginUrl.AllocSysString();
        LoginBrowser()->Navigate(b, nullptr, nullptr, nullptr, nullptr);
        ::SysFreeString(b);
        LoginBrowser()->CompleteNavigation();
        return LoginRequestsNewWindow();
    }
};

struct ValueCase {
    const char* name;
    CFakeVariant value;
    bool noElement;
    std::wstring expected;
};

TEST_F(HostileInput, LoginValuesOfEveryShape)
{
    IDispatch* someObject = LoginBrowser()->FakeDocument();
    const std::wstring huge(10 * 1024 * 1024, L'a');
    const ValueCase cases[] = {
        {"10 MB of text", CFakeVariant::Bstr(huge), false, huge},
        {"embedded NULs", CFakeVariant::Bstr(std::wstring(L"http://a/\0b\0c", 13)), false, L"http://a/"},
        {"VT_NULL", CFakeVariant::Null(), false, L""},
        {"VT_EMPTY", CFakeVariant::Empty(), false, L""},
        {"VT_I4", CFakeVariant::I4(42), false, L""},
        {"VT_DISPATCH", CFakeVariant::Dispatch(someObject), false, L""},
        {"element without IHTMLElement", CFakeVariant::Bstr(kGame), true, L""},
    };
    for (const ValueCase& c : cases) {
        FakePage page;
        page.inputs.push_back(FakeInput{L"loginurl", L"", c.value, c.noElement});
        bool cancelled = Capture(page);
        EXPECT_EQ(cancelled, !c.expected.empty()) << c.name;
        // Compared element by element: a failure on the 10 MB case prints
        // where the texts part, not megabytes.
        EXPECT_TRUE(SameElements(c.expected, std::wstring(dlg.m_pLoginPane->m_strLoginUrl))) << c.name;
        if (!c.expected.empty()) {
            EXPECT_TRUE(SameElements(c.expected, GameNavigations().back())) << c.name;
        }
        // Back to the login phase for the next case.
        dlg.m_pGameWnd->m_bRevealPending = FALSE;
        dlg.ShowWindow(SW_SHOW);
    }
    CFakePageTable::Clear();  // drops the page holding someObject
}

TEST_F(HostileInput, BrokenDocuments)
{
    struct Case {
        const char* name;
        void (*spoil)(FakePage&);
        bool cancelled;
    };
    const Case cases[] = {
        {"no IHTMLDocument3", [](FakePage& p) { p.noDocument3 = true; }, false},
        {"no ICustomDoc: no UI handler, capture still works", [](FakePage& p) { p.noCustomDoc = true; }, true},
        {"item fails", [](FakePage& p) { p.itemFails = true; }, false},
        {"item of the wrong interface", [](FakePage& p) { p.itemWrongInterface = true; }, false},
        {"no document", [](FakePage& p) { p.noDocument = true; }, false},
    };
    for (const Case& c : cases) {
        FakePage page;
        page.Input(L"loginurl", L"", CFakeVariant::Bstr(kGame));
        c.spoil(page);
        EXPECT_EQ(Capture(page), c.cancelled) << c.name;
        dlg.m_pGameWnd->m_bRevealPending = FALSE;
        dlg.ShowWindow(SW_SHOW);
    }
}

BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    return TRUE;
}

TEST_F(HostileInput, FiftyFramesAndTenThousandCompletions)
{
    LoginCompletes(loginUrl.GetString(), L"", 50);
    EXPECT_EQ(GameNavigations().size(), 1u + 51u) << "one follow per document";

    // While the hand-over waits, every completion only follows (each one in
    // the login phase would repaint the whole skin).
    FakePage page;
    page.Input(L"loginurl", L"", CFakeVariant::Bstr(kGame));
    ASSERT_TRUE(Capture(page));
    // Wine answers 0 to GetGuiResources, so the thread's windows and the
    // stand-in's objects are what is counted.
    auto windows = [] {
        DWORD n = 0;
        ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
        return n;
    };
    DWORD before = windows();
    LONG live = FakeLiveObjectCount();
    size_t navigations = GameNavigations().size();
    for (int i = 0; i < 10000; ++i)
        LoginBrowser()->FireDocumentComplete();
    EXPECT_EQ(dlg.m_pGameWnd->m_bRevealPending, TRUE);
    EXPECT_EQ(GameNavigations().size(), navigations + 10000) << "every completion followed";
    EXPECT_EQ(windows(), before);
    EXPECT_EQ(FakeLiveObjectCount(), live);
}

// Fires a second NewWindow2 from inside the first one's hand-over, when the
// hand-over hides the login pane.
HHOOK g_hook = nullptr;
CFakeWebBrowser* g_login = nullptr;
HWND g_pane = nullptr;
int g_nested = 0;

LRESULT CALLBACK NestNewWindow(int code, WPARAM wParam, LPARAM lParam)
{
    auto* cwp = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && cwp->hwnd == g_pane && cwp->message == WM_SHOWWINDOW && !cwp->wParam && g_login
        && g_nested == 0) {
        ++g_nested;
        g_login->FireNewWindow2();
    }
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST_F(HostileInput, NewWindowWhileAHandOverRuns)
{
    FakePage page;
    page.Input(L"loginurl", L"", CFakeVariant::Bstr(kGame));
    g_login = LoginBrowser();
    g_pane = dlg.m_pLoginPane->m_hWnd;
    g_nested = 0;
    g_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, NestNewWindow, nullptr, ::GetCurrentThreadId());
    bool cancelled = Capture(page);
    ::UnhookWindowsHookEx(g_hook);
    g_login = nullptr;

    EXPECT_EQ(g_nested, 1);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(dlg.m_pLoginPane->m_strLoginUrl, kGame);
    EXPECT_EQ(Visible(), "1") << "launching, whatever the nesting";
    EXPECT_EQ(GameNavigations().back(), kGame);
}

TEST_F(HostileInput, EventsAfterTheWindowsAreGoneReachNobody)
{
    CFakeWebBrowser* login = LoginBrowser();
    login->AddRef();  // outlives its window
    dlg.DestroyWindow();
    EXPECT_EQ(login->SinkCount(), 0u);
    login->FireDocumentComplete();
    login->FireNewWindow2();
    login->FireTitleChange(L"late");
    login->Release();
}

TEST_F(HostileInput, AProgramPathIsOnlyEverNavigatedInTheGameBrowser)
{
    CUrlHandlerRedirect shell;  // any shell launch would be recorded
    for (const wchar_t* value :
         {L"C:\\windows\\system32\\notepad.exe", L"notepad.exe", L"file:///c:/windows/win.ini"}) {
        FakePage page;
        page.Input(L"loginurl", L"", CFakeVariant::Bstr(value));
        EXPECT_TRUE(Capture(page));
        EXPECT_EQ(GameNavigations().back(), value);
        dlg.m_pGameWnd->m_bRevealPending = FALSE;
        dlg.ShowWindow(SW_SHOW);
    }
    // A bounded negative check: no address reaches the shell within 500 ms.
    EXPECT_TRUE(IsEmpty(shell.WaitForAddresses(1, 500)));
}

}  // namespace
