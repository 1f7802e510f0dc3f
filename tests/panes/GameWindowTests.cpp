// The game window against the stand-in control: hidden loading, the reveal,
// captions, resizing, keys, closing and teardown.
#include "GameWindowFixture.h"
#include "MessageBoxes.h"

namespace {

TEST_F(GameWindow, LoadsTheLoginPageHiddenWithATinyBrowser)
{
    CString login, title;
    login.LoadString(IDS_LOGIN_URL);
    title.LoadString(IDS_WINDOW_TITLE);
    EXPECT_EQ(browser->Record().navigations, std::vector<std::wstring>{login.GetString()});
    EXPECT_EQ(browser->Record().silentPuts, std::vector<bool>{true});
    EXPECT_TRUE(IsEmpty(browser->Record().statusBarPuts));
    EXPECT_EQ(game.GetWindowText(), title);
    EXPECT_EQ(reinterpret_cast<HICON>(game.SendMessage(WM_GETICON, ICON_BIG)), game.m_hIcon);

    Complete(L"http://login.example/", 1);
    RECT r = BrowserRect();
    EXPECT_FALSE(game.IsWindowVisible());
    EXPECT_EQ(r.right - r.left, 1);
    EXPECT_EQ(r.bottom - r.top, 1);
    EXPECT_FALSE(game.m_bGameShown);
    EXPECT_TRUE(IsEmpty(main.phases));
    EXPECT_EQ(game.GetWindowText(), L"Game http://login.example/") << "the caption follows titles while hidden";
}

TEST_F(GameWindow, FirstCompletionWhilePendingRevealsAndFits)
{
    game.m_bRevealPending = TRUE;
    bool visibleWhenSent = false;
    main.onPhase = [&](WPARAM) { visibleWhenSent = game.IsWindowVisible() != FALSE; };
    Complete(L"http://game.example/", 2);  // a frame's completion comes first
    main.onPhase = nullptr;

    EXPECT_TRUE(game.IsWindowVisible());
    EXPECT_FALSE(game.m_bRevealPending);
    EXPECT_TRUE(game.m_bGameShown);
    EXPECT_TRUE(game.GetStyle() & WS_MINIMIZEBOX);
    EXPECT_EQ(main.phases, std::vector<WPARAM>{0}) << "one reveal, later completions change nothing";
    EXPECT_TRUE(visibleWhenSent);

    POINT fit = ExpectedFit();
    RECT r = BrowserRect();
    POINT origin = {0, 0};
    ::ClientToScreen(game.m_hWnd, &origin);
    EXPECT_EQ(r.left, origin.x);
    EXPECT_EQ(r.top, origin.y);
    EXPECT_EQ(r.right - r.left, fit.x);
    EXPECT_EQ(r.bottom - r.top, fit.y);
    EXPECT_TRUE(::IsWindowVisible(browser->Window()));
}

TEST_F(GameWindow, SizeChangesRefitOnceShown)
{
    game.MoveWindow(0, 0, 800, 600);
    EXPECT_EQ(BrowserRect().right - BrowserRect().left, 1) << "not shown yet: no fitting";

    game.m_bRevealPending = TRUE;
    Complete(L"http://game.example/");
    for (SIZE s : {SIZE{900, 650}, SIZE{1275, 720}}) {
        game.MoveWindow(10, 10, s.cx, s.cy);
        EXPECT_EQ(BrowserRect().right - BrowserRect().left, ExpectedFit().x) << s.cx;
        EXPECT_EQ(BrowserRect().bottom - BrowserRect().top, ExpectedFit().y) << s.cy;
    }
    game.ShowWindow(SW_MINIMIZE);
    PumpMessages();
    game.ShowWindow(SW_RESTORE);
    PumpMessages();
    EXPECT_EQ(BrowserRect().right - BrowserRect().left, ExpectedFit().x) << "restored: fitted again";
}

TEST_F(GameWindow, KeysEscapeDiscardedEnterPassesF5Refreshes)
{
    HWND page = browser->Window();
    EXPECT_TRUE(Deliver(page, WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(Deliver(page, WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(Deliver(page, WM_KEYDOWN, VK_F5));
    EXPECT_EQ(browser->Record().refreshCalls, 1);
    EXPECT_TRUE(::IsWindow(game.m_hWnd));
    EXPECT_TRUE(IsEmpty(main.phases));
}

TEST_F(GameWindow, CloseAsksAndClosesTheLauncherOnYesOnly)
{
    game.ShowWindow(SW_SHOW);
    struct Case {
        int answer;
        int closes;
    };
    for (const Case& c : {Case{IDNO, 0}, Case{IDYES, 1}}) {
        SeenMessageBox seen;
        {
            CMessageBoxAnswer answer(c.answer, &seen);
            game.SendMessage(WM_CLOSE);
        }
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.text, L"游戏正在运行中，是否确定退出？");
        EXPECT_EQ(seen.caption, L"提示");
        EXPECT_EQ(seen.owner, game.m_hWnd);
        EXPECT_TRUE(seen.hasYes);
        EXPECT_TRUE(seen.hasNo);
        EXPECT_FALSE(seen.hasCancel);
        EXPECT_EQ(main.closes, c.closes);
        EXPECT_TRUE(game.IsWindowVisible()) << "the game window itself never closes by default";
    }
}

TEST_F(GameWindow, TeardownUnadvisesAndReleasesEverything)
{
    game.m_bRevealPending = TRUE;
    Complete(L"http://game.example/", 1);
    game.DestroyWindow();
    auto rec = CFakeWebBrowser::RecordOf(0);
    ASSERT_NE(rec, nullptr);
    EXPECT_TRUE(rec->destroyed);
    EXPECT_EQ(FakeLiveObjectCount(), 0);
}

}  // namespace
