// The pop-ups' places on the skin, at every move of the main window, and
// the whole launch in the modal loop.
#include "LaunchFixture.h"
#include "MessageBoxes.h"
#include <functional>
#include <memory>

USE_GDIPLUS_IN_TESTS();

namespace {

struct Expected {
    const char* name;
    int x, y, cx, cy;
};

class ChildLayout : public LaunchTest {
protected:
    void MoveMain(int x, int y, int cx = 1170, int cy = 750)
    {
        dlg.SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::vector<std::pair<CWnd*, Expected>> Table(int L, int T, int frameX, int frameY)
    {
        return {
            {dlg.m_pLoginPane, {"pane", L + 382, T + 225, 669, 394}},
            {dlg.m_pBtnSite, {"site", L + 424, T + 154, 132, 38}},
            {dlg.m_pBtnTopUp, {"top-up", L + 533, T + 154, 132, 38}},
            {dlg.m_pBtnForum, {"forum", L + 833, T + 154, 132, 38}},
            {dlg.m_pBtnService, {"service", L + 942, T + 154, 132, 38}},
            {dlg.m_pBtnClose, {"close", L + 1066, T + 100, 35, 35}},
            {dlg.m_pBtnMinimize, {"minimize", L + 1034, T + 103, 30, 30}},
            {dlg.m_pLoading1, {"frame 1", frameX, frameY, 174, 44}},
            {dlg.m_pLoading4, {"frame 4", frameX, frameY, 174, 44}},
        };
    }
    void ExpectPlaces(int L, int T, int frameX, int frameY, const char* when)
    {
        for (const auto& row : Table(L, T, frameX, frameY)) {
            RECT r = Rect(row.first);
            EXPECT_EQ(r.left, row.second.x) << row.second.name << " " << when;
            EXPECT_EQ(r.top, row.second.y) << row.second.name << " " << when;
            EXPECT_EQ(r.right - r.left, row.second.cx) << row.second.name << " " << when;
            EXPECT_EQ(r.bottom - r.top, row.second.cy) << row.second.name << " " << when;
        }
    }
};

TEST_F(ChildLayout, EveryPopupAtItsOffset)
{
    MoveMain(100, 50);
    ExpectPlaces(100, 50, 598, 403, "at (100, 50)");
    MoveMain(100, 50, 1171, 751);
    ExpectPlaces(100, 50, 598, 403, "1171 x 751: odd halves truncate");
}

TEST_F(ChildLayout, GameWindowResizedAndCentredAtEveryMoveEvenHidden)
{
    ASSERT_FALSE(dlg.m_pGameWnd->IsWindowVisible());
    dlg.m_pGameWnd->MoveWindow(5, 5, 300, 200);
    MoveMain(100, 50);
    RECT g = Rect(dlg.m_pGameWnd);
    EXPECT_EQ(g.right - g.left, 1275);
    EXPECT_EQ(g.bottom - g.top, 720);
    // On the 1024 x 768 screen the centre on the main window, (48, 65),
    // is pulled back inside the work area.
    EXPECT_EQ(g.left, 0);
    EXPECT_EQ(g.top, 48);
}

TEST_F(ChildLayout, ADragKeepsEveryPopupGlued)
{
    for (int step = 0; step < 6; ++step) {
        int x = -73 + step * 17, y = 9 + step * 11;
        MoveMain(x, y);
        ExpectPlaces(x, y, x + 585 - 87, y + 375 - 22, "during the drag");
    }
}

TEST(ChildLayoutLargeScreen, GameWindowCentredOnTheMainWindow)
{
    AfxEnableControlContainer();
    COleScope ole;
    CFakeBrowserRegistration registration;
    CkelvorDlg dlg;
    CMainWndScope scope(&dlg);
    ASSERT_TRUE(dlg.Create(IDD_MAIN));
    dlg.SetWindowPos(nullptr, 100, 50, 1170, 750, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT g;
    dlg.m_pGameWnd->GetWindowRect(&g);
    EXPECT_EQ(g.left, 48);
    EXPECT_EQ(g.top, 65);
    EXPECT_EQ(g.right - g.left, 1275);
    dlg.DestroyWindow();
}

// The whole launch inside the modal loop, one step per timer tick.
struct LaunchScript {
    LaunchTest* test = nullptr;
    std::vector<std::function<void()>> steps;
    size_t next = 0;
};
LaunchScript* g_launch = nullptr;

void CALLBACK LaunchTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_launch && g_launch->next < g_launch->steps.size() && !FindThreadMessageBox())
        g_launch->steps[g_launch->next++]();
}

}  // namespace

class WholeLaunch : public ::testing::Test {};

TEST_F(WholeLaunch, FromLoadingToClose)
{
    AfxEnableControlContainer();
    COleScope ole;
    CFakeBrowserRegistration registration;
    CFakeWebBrowser::ResetHistory();
    CString login;
    login.LoadString(IDS_LOGIN_URL);
    FakePage page;
    page.url = login.GetString();
    page.Input(L"loginurl", L"", CFakeVariant::Bstr(L"http://game.example/"));
    CFakePageTable::Set(page);
    FakePage game;
    game.url = L"http://game.example/";
    game.title = L"Vellmark online";
    CFakePageTable::Set(game);

    CkelvorDlg dlg;
    std::vector<std::string> seen;
    SeenMessageBox box;
    std::unique_ptr<CMessageBoxAnswer> answer;
    auto login0 = [] { return CFakeWebBrowser::Instances()[0]; };
    auto game1 = [] { return CFakeWebBrowser::Instances()[1]; };
    auto state = [&] {
        std::string s;
        if (dlg.IsWindowVisible())
            s += "M";
        if (dlg.m_pLoginPane->IsWindowVisible())
            s += "P";
        if (dlg.m_pGameWnd->IsWindowVisible())
            s += "G";
        for (CTestButton* f : {dlg.m_pLoading1, dlg.m_pLoading2, dlg.m_pLoading3, dlg.m_pLoading4})
            if (f->IsWindowVisible())
                s += "f";
        return s;
    };
    LaunchScript script;
    script.steps = {
        [&] { seen.push_back(state()); },  // loading
        [&] {
        login0()->CompleteNavigation();
        seen.push_back(state());
        },  // login
        [&] {
        login0()->FireNewWindow2();
        seen.push_back(state());
    },  // launching
        [&] {
        game1()->CompleteNavigation();
        seen.push_back(state());
    },  // playing
        [&] {
        CString caption = dlg.m_pGameWnd->GetWindowText();
        char utf8[128] = {};
        ::WideCharToMultiByte(CP_UTF8, 0, caption, -1, utf8, sizeof(utf8) - 1, nullptr, nullptr);
        seen.push_back(utf8);
        },
        [&] {
        answer = std::make_unique<CMessageBoxAnswer>(IDYES, &box);
        dlg.m_pGameWnd->PostMessage(WM_CLOSE);
        },
        };
    g_launch = &script;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 40, LaunchTick);
    TestApp().m_pMainWnd = &dlg;
    INT_PTR result = dlg.DoModal();
    ::KillTimer(nullptr, timer);
    g_launch = nullptr;

    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(seen, (std::vector<std::string>{"Mf", "MP", "f", "G", "Vellmark online"}));
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text, L"游戏正在运行中，是否确定退出？");
    EXPECT_EQ(FakeLiveObjectCount(), 0);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    CFakePageTable::Clear();
}
