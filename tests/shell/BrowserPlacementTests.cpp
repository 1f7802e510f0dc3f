// The two browsers stay where the launcher put them when the player clicks
// into a page: the control then becomes UI active and reads its window
// context again, as a real WebBrowser does, and must find the place the
// pane or the game window gave it, not its template's.
#include "LaunchFixture.h"
#include "WindowRects.h"

namespace {

using BrowserPlacement = LaunchTest;

// A left click into the page, through the modal loop's filter walk.
void ClickInto(CFakeWebBrowser* browser)
{
    PumpMessages();
    ::PostMessageW(browser->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 30));
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, browser->Window(), WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

::testing::AssertionResult Placed(const RECT& expected, CFakeWebBrowser* browser)
{
    RECT window = InParent(browser->Window());
    RECT view = browser->ViewRect();
    if (::EqualRect(&expected, &window) && ::EqualRect(&expected, &view))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << ::testing::PrintToString(expected) << ", window "
                                         << ::testing::PrintToString(window) << ", page "
                                         << ::testing::PrintToString(view);
}

TEST_F(BrowserPlacement, LoginBrowserKeepsItsPlaceWhenClickedAfterTheReveal)
{
    RECT placed = InParent(LoginBrowser()->Window());
    EXPECT_EQ(placed.right - placed.left, 800);
    EXPECT_EQ(placed.bottom - placed.top, 400);
    LoginCompletes(loginUrl.GetString());
    ASSERT_TRUE(dlg.m_pLoginPane->IsWindowVisible());

    ClickInto(LoginBrowser());
    EXPECT_EQ(LoginBrowser()->Record().pageClicks, 1);
    EXPECT_TRUE(LoginBrowser()->UIActive());
    EXPECT_TRUE(Placed(placed, LoginBrowser()));
    // And again after the player drags the launcher about.
    RECT main = Rect(&dlg);
    dlg.MoveWindow(main.left + 17, main.top + 9, main.right - main.left, main.bottom - main.top);
    ClickInto(LoginBrowser());
    EXPECT_TRUE(Placed(placed, LoginBrowser()));
}

TEST_F(BrowserPlacement, GameBrowserStaysFittedWhenClickedAfterRevealAndRestore)
{
    LoginCompletes(loginUrl.GetString(), L"http://game.example/play");
    ASSERT_TRUE(LoginRequestsNewWindow());
    GameCompletes();
    CLoginMainWnd* game = dlg.m_pGameWnd;
    ASSERT_TRUE(game->IsWindowVisible());
    // The reveal fits the browser from the client origin to the window's
    // outer right and bottom edges.
    auto fitted = [&] {
        RECT r = Rect(game);
        ::ScreenToClient(game->m_hWnd, reinterpret_cast<POINT*>(&r.right));
        return RECT{0, 0, r.right, r.bottom};
    };
    EXPECT_TRUE(Placed(fitted(), GameBrowser()));
    ClickInto(GameBrowser());
    EXPECT_TRUE(GameBrowser()->UIActive());
    EXPECT_TRUE(Placed(fitted(), GameBrowser()));

    game->ShowWindow(SW_MINIMIZE);
    PumpMessages();
    game->ShowWindow(SW_RESTORE);
    PumpMessages();
    EXPECT_TRUE(Placed(fitted(), GameBrowser())) << "restored: fitted again";
    ClickInto(GameBrowser());
    EXPECT_EQ(GameBrowser()->Record().pageClicks, 2);
    EXPECT_TRUE(Placed(fitted(), GameBrowser()));
}

}  // namespace
