// The launch phases, driven by the stand-in pages, and the loading animation.
#include "LaunchFixture.h"

USE_GDIPLUS_IN_TESTS();

namespace {

const wchar_t kLogin2[] = L"http://login.example/after";
const wchar_t kGameA[] = L"http://game.example/a";
const wchar_t kGameB[] = L"http://game.example/b";

class LaunchPhases : public LaunchTest {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        // The game pages, in place before anything navigates to them.
        for (const wchar_t* url : {kGameA, kGameB}) {
            FakePage page;
            page.url = url;
            page.title = L"Playing";
            CFakePageTable::Set(page);
        }
    }
    // Puts the launcher into a phase the way a player gets there.
    void ToLogin() { LoginCompletes(loginUrl.GetString()); }
    void ToLaunching(const wchar_t* game = kGameA)
    {
        ToLogin();
        LoginCompletes(loginUrl.GetString(), game);
        LoginRequestsNewWindow();
    }
    void ToPlaying()
    {
        ToLaunching();
        GameCompletes();
    }
    void ToRelaunching()
    {
        ToPlaying();
        LoginCompletes(loginUrl.GetString(), kGameB);
        LoginRequestsNewWindow();
    }
    std::string Phase()
    {
        bool pending = dlg.m_pGameWnd->m_bRevealPending, shown = dlg.m_pGameWnd->m_bGameShown;
        return !pending && !shown ? "login" : pending && !shown ? "launching" : !pending ? "playing" : "relaunching";
    }
};

TEST_F(LaunchPhases, StartsWithTheAnimationOnATransparentWindow)
{
    EXPECT_EQ(Visible(), "M1");
    EXPECT_EQ(Phase(), "login");
    EXPECT_EQ(dlg.m_blend.SourceConstantAlpha, 0);
    for (CTestButton* b : {dlg.m_pBtnSite, dlg.m_pBtnClose, dlg.m_pLoading4})
        EXPECT_EQ(::GetWindow(b->m_hWnd, GW_OWNER), dlg.m_hWnd);
    EXPECT_EQ(dlg.m_pBtnSite->m_nAction, IDB_BTN_SITE);
    EXPECT_EQ(dlg.m_pLoading3->m_nAction, IDB_LOADING_3);
}

TEST_F(LaunchPhases, EveryLoginCompletionRevealsAndFollows)
{
    LoginCompletes(loginUrl.GetString(), L"", 2);
    EXPECT_EQ(Visible(), "MPbbbbbb") << "animation stopped, pane and buttons shown";
    EXPECT_EQ(dlg.m_blend.SourceConstantAlpha, 255);
    EXPECT_EQ(Phase(), "login");
    // Three documents, three follows, each to the pane's current address.
    EXPECT_EQ(GameNavigations().size(), 4u);
    EXPECT_EQ(GameNavigations().back(), loginUrl.GetString());

    // Dragged away, the next completion puts it back in the centre.
    dlg.SetWindowPos(nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    LoginCompletes(kLogin2);
    EXPECT_EQ(Rect(&dlg).left, -73);
    EXPECT_EQ(Rect(&dlg).top, 9);
    EXPECT_EQ(GameNavigations().back(), kLogin2);

    // Enter in the pane acts the same.
    dlg.m_pGameWnd->m_wndBrowser.Navigate(L"about:blank", nullptr, nullptr, nullptr, nullptr);
    MSG msg = {LoginBrowser()->Window(), WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_FALSE(AfxPreTranslateMessage(&msg));
    EXPECT_EQ(GameNavigations().back(), kLogin2);
}

TEST_F(LaunchPhases, PopupsStayAboveTheRaisedMainWindow)
{
    // The reveal raises the main window; its pane and buttons stay in front.
    LoginCompletes(loginUrl.GetString());
    auto above = [&] {
        int n = 0;
        for (HWND h = ::GetWindow(dlg.m_hWnd, GW_HWNDPREV); h; h = ::GetWindow(h, GW_HWNDPREV)) {
            if (::GetWindow(h, GW_OWNER) == dlg.m_hWnd && ::IsWindowVisible(h))
                ++n;
        }
        return n;
    };
    // Up within a bound (the framework restacks them shortly after the
    // raise), and still up after a while: nothing the reveal left queued
    // puts them behind again.
    PumpUntil([&] { return above() == 7; }, 3000);
    PumpFor(400);
    EXPECT_EQ(above(), 7) << "the pane and the six buttons";
}

TEST_F(LaunchPhases, HandOverHidesEverythingButTheAnimation)
{
    ToLogin();
    LoginCompletes(loginUrl.GetString(), kGameA);
    EXPECT_TRUE(LoginRequestsNewWindow()) << "the new window is cancelled";
    EXPECT_EQ(Phase(), "launching");
    EXPECT_EQ(Visible(), "1");
    EXPECT_EQ(GameNavigations().back(), kGameA);

    // A late completion of the login page follows: its address replaces the
    // captured one.
    LoginCompletes(kLogin2);
    EXPECT_EQ(Phase(), "launching");
    EXPECT_EQ(GameNavigations().back(), kLogin2);
    EXPECT_EQ(Visible(), "1");
}

TEST_F(LaunchPhases, NonZeroValuesAllActAsHandOver)
{
    for (WPARAM w : {WPARAM(255), WPARAM(1), WPARAM(0x10000)}) {
        dlg.m_pLoginPane->m_strLoginUrl = kGameB;
        dlg.SendMessage(WM_LAUNCHER_PHASE, w, 0);
        EXPECT_EQ(Phase(), "launching") << w;
        EXPECT_EQ(Visible(), "1") << w;
        EXPECT_EQ(GameNavigations().back(), kGameB) << w;
    }
}

TEST_F(LaunchPhases, GameCompletionRevealsItAndStopsTheAnimation)
{
    ToLaunching();
    GameCompletes();
    EXPECT_EQ(Phase(), "playing");
    EXPECT_EQ(Visible(), "G");
    EXPECT_EQ(dlg.m_pGameWnd->GetWindowText(), L"Playing");

    size_t before = GameNavigations().size();
    LoginCompletes(kLogin2);  // a zero while playing only stops
    EXPECT_EQ(Visible(), "G");
    EXPECT_EQ(GameNavigations().size(), before);
    GameCompletes();  // no reveal pending: nothing
    EXPECT_EQ(Visible(), "G");
}

TEST_F(LaunchPhases, HandOverWhilePlayingRestartsTheAnimationUntilAnyZero)
{
    ToRelaunching();
    EXPECT_EQ(Phase(), "relaunching");
    EXPECT_EQ(Visible(), "1");
    EXPECT_EQ(GameNavigations().back(), kGameB);

    dlg.SendMessage(WM_LAUNCHER_PHASE, 0, 0);  // any sender's zero
    EXPECT_EQ(Visible(), "") << "animation stopped at once, game still hidden";
    EXPECT_EQ(Phase(), "relaunching");
    GameCompletes();
    EXPECT_EQ(Phase(), "playing");
    EXPECT_EQ(Visible(), "G");
}

TEST_F(LaunchPhases, WithoutGameWindowThePhaseMessageDoesNothing)
{
    CLoginMainWnd* game = dlg.m_pGameWnd;
    dlg.m_pGameWnd = nullptr;
    for (WPARAM w : {WPARAM(0), WPARAM(255)})
        EXPECT_EQ(dlg.SendMessage(WM_LAUNCHER_PHASE, w, 0), 0);
    dlg.m_pGameWnd = game;
    EXPECT_EQ(Visible(), "M1");
    EXPECT_EQ(GameNavigations().size(), 1u);
}

TEST_F(LaunchPhases, AnimationCyclesTheFirstVisibleFrame)
{
    dlg.ResetLoadingFrames(SW_HIDE);
    dlg.m_pLoading3->ShowWindow(SW_SHOW);
    dlg.SendMessage(WM_TIMER, ID_TIMER_LOADING);
    EXPECT_EQ(Visible(), "M4");
    dlg.SendMessage(WM_TIMER, ID_TIMER_LOADING);
    EXPECT_EQ(Visible(), "M1");

    dlg.ResetLoadingFrames(SW_HIDE);
    dlg.SendMessage(WM_TIMER, ID_TIMER_LOADING);
    EXPECT_EQ(Visible(), "M") << "no frame visible: ticks change nothing";
}

TEST_F(LaunchPhases, TimerTicksEverySecond)
{
    EXPECT_EQ(Visible(), "M1");
    // The bound is part of the check: ticking once a second, the timer shows
    // the second frame well within 2.5 s.
    PumpUntil([&] { return dlg.m_pLoading2->IsWindowVisible() != FALSE; }, 2500);
    EXPECT_EQ(Visible(), "M2");
}

TEST_F(LaunchPhases, MinimizedMainWindowHidesTheFramesUntilRestored)
{
    ASSERT_EQ(Visible(), "M1");
    dlg.ShowWindow(SW_MINIMIZE);
    PumpMessages();
    EXPECT_FALSE(dlg.m_pLoading1->IsWindowVisible());
    dlg.SendMessage(WM_TIMER, ID_TIMER_LOADING);
    EXPECT_EQ(Visible(), "M") << "minimized, not hidden; ticks find no frame";
    dlg.ShowWindow(SW_RESTORE);
    PumpMessages();
    EXPECT_EQ(Visible(), "M1") << "the frame that was visible returns";
}

}  // namespace
