// The launcher exe itself, unmodified, run in its own process in a prefix
// where the stand-in browser is the WebBrowser control, and watched and
// driven from outside as a player would: loading, login, hand-over to the
// game window, and the confirmed close.
//
//   launcher_e2e.exe --launcher=<exe> --pages=<page file to write>
#include "CLauncherProcess.h"
#include "FakeBrowserChannel.h"
#include "LauncherWindows.h"
#include "WaitUntil.h"
#include "resource.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {

std::wstring g_launcher;
std::wstring g_pages;

const wchar_t kGameUrl[] = L"https://game.e2e.invalid/play.html?server=7";
const wchar_t kGameTitle[] = L"Vellmark 七区";
const wchar_t kExitQuestion[] = L"游戏正在运行中，是否确定退出？";


// The address the launcher opens first, from its own string table, so the
// operator's page below is served where the launcher looks for it.
std::wstring LoginUrlOf(const std::wstring& exe)
{
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return L"";
    wchar_t url[512] = {};
    LoadStringW(module, IDS_LOGIN_URL, url, 512);
    FreeLibrary(module);
    return url;
}

bool WritePages(const std::wstring& path, const std::wstring& loginUrl)
{
    // The stand-in's page file: a keyword, a space, then the rest; an
    // input's name, id and value are separated by tabs.
    std::wstring text = L"page " + loginUrl + L"\ntitle 登录\ninput loginurl\t\t" + kGameUrl + L"\n" + L"page "
                        + kGameUrl + L"\ntitle " + kGameTitle + L"\n";
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, utf8.data(), static_cast<DWORD>(bytes - 1), &written, nullptr);
    CloseHandle(file);
    return ok && written == static_cast<DWORD>(bytes - 1);
}

TEST(LauncherEndToEnd, LoadsRevealsHandsOverAndClosesOnConfirmation)
{
    std::wstring exe = DosPath(g_launcher);
    std::wstring loginUrl = LoginUrlOf(exe);
    ASSERT_FALSE(loginUrl.empty()) << "no login address in " << exe;
    std::wstring pages = DosPath(g_pages);
    ASSERT_TRUE(WritePages(pages, loginUrl));
    SetEnvironmentVariableW(L"FAKEBROWSER_PAGES", pages.c_str());

    // Pages complete only when this test tells the stand-in to, so each
    // phase holds still while it is looked at.
    SetEnvironmentVariableW(L"FAKEBROWSER_MANUAL", L"1");
    CLauncherProcess launcher;
    ASSERT_TRUE(launcher.Start(exe)) << "could not start " << exe;

    // Loading: the skin is on screen but fully transparent, and the only
    // image showing is one 174 x 44 loading frame.
    LauncherScreen first;
    ASSERT_TRUE(WaitUntil(
        [&] {
        first = Look(launcher.Id());
        return first.Complete() && first.main.visible && first.VisibleImages(0, 0) > 0
               && BrowserControlOf(first.loginPane.hwnd);
        },
        15000))
        << Describe(first.all);
    EXPECT_EQ(1170, first.main.Width());
    EXPECT_EQ(750, first.main.Height());
    EXPECT_EQ(-73, first.main.rect.left) << "centred on the 1024 x 768 screen";
    EXPECT_EQ(9, first.main.rect.top);
    EXPECT_TRUE(first.main.exStyle & WS_EX_LAYERED);
    EXPECT_EQ(0, first.main.style & WS_CAPTION) << "the skin has no frame";
    EXPECT_FALSE(first.gameWindow.visible);
    EXPECT_FALSE(first.loginPane.visible) << Describe(first.all);
    EXPECT_EQ(1, first.VisibleImages(0, 0)) << Describe(first.all);
    EXPECT_EQ(1, first.VisibleImages(174, 44)) << Describe(first.all);
    for (const WindowView& w : first.all)
        EXPECT_TRUE(w.hwnd == first.main.hwnd || w.owner == first.main.hwnd || !w.visible)
            << "a visible window the skin does not own:\n"
            << Describe({w});

    // The animation moves on to another frame once a second.
    auto shownFrame = [](const LauncherScreen& screen) {
        for (const WindowView& w : screen.images)
            if (w.visible && w.Width() == 174 && w.Height() == 44)
                return w.hwnd;
        return HWND(nullptr);
    };
    HWND firstFrame = shownFrame(first);
    ASSERT_TRUE(WaitUntil(
        [&] {
        HWND now = shownFrame(Look(launcher.Id()));
        return now && now != firstFrame;
        },
        3000))
        << "the loading frame did not change:\n"
        << Describe(Look(launcher.Id()).all);

    // Login: the first completed document reveals the pane and the six
    // buttons, and stops the animation.
    HWND loginControl = BrowserControlOf(first.loginPane.hwnd);
    ASSERT_TRUE(PostMessageW(loginControl, FakeChannelCompleteNavigation(), 0, 0));
    // Each wait is for the whole of the phase: a look at another process's
    // windows reads them one by one while they change, so a partial
    // condition can hold in a look taken halfway through the change.
    LauncherScreen login;
    ASSERT_TRUE(WaitUntil(
        [&] {
        login = Look(launcher.Id());
        return login.loginPane.visible && login.VisibleImages(0, 0) == 6 && login.VisibleImages(174, 44) == 0;
        },
        10000))
        << Describe(login.all);
    EXPECT_TRUE(login.main.visible);
    EXPECT_EQ(669, login.loginPane.Width());
    EXPECT_EQ(394, login.loginPane.Height());
    EXPECT_GT(login.loginPane.rect.left, login.main.rect.left);
    EXPECT_LT(login.loginPane.rect.right, login.main.rect.right);
    EXPECT_EQ(6, login.VisibleImages(0, 0)) << Describe(login.all);
    EXPECT_EQ(0, login.VisibleImages(174, 44)) << "the animation stops at the reveal";
    EXPECT_FALSE(login.gameWindow.visible);

    // Hand-over: the page asks for a new window; the launcher takes the
    // game address from "loginurl", hides the skin and shows the loading
    // animation alone while the hidden game window loads.
    ASSERT_TRUE(PostMessageW(loginControl, FakeChannelNewWindow(), 0, 0));
    LauncherScreen launching;
    ASSERT_TRUE(WaitUntil(
        [&] {
        launching = Look(launcher.Id());
        return !launching.main.visible && !launching.loginPane.visible && launching.VisibleImages(0, 0) == 1
               && launching.VisibleImages(174, 44) == 1;
        },
        10000))
        << Describe(launching.all);
    EXPECT_FALSE(launching.loginPane.visible);
    EXPECT_FALSE(launching.gameWindow.visible);
    EXPECT_EQ(1, launching.VisibleImages(0, 0)) << Describe(launching.all);

    // The game page completes: the game window shows with the page's title,
    // and once it has told the main window, the animation is gone.  (The
    // window shows a moment before it tells; the title comes before both.)
    HWND gameControl = BrowserControlOf(launching.gameWindow.hwnd);
    ASSERT_TRUE(gameControl);
    ASSERT_TRUE(PostMessageW(gameControl, FakeChannelCompleteNavigation(), 0, 0));
    LauncherScreen game;
    ASSERT_TRUE(WaitUntil(
        [&] {
        game = Look(launcher.Id());
        return game.gameWindow.visible && game.VisibleImages(0, 0) == 0;
        },
        10000))
        << Describe(game.all);
    ASSERT_TRUE(WaitUntil([&] { return ViewOf(game.gameWindow.hwnd).caption == kGameTitle; }, 10000))
        << "caption: " << ViewOf(game.gameWindow.hwnd).caption;
    game = Look(launcher.Id());
    EXPECT_FALSE(game.main.visible);
    EXPECT_FALSE(game.loginPane.visible);
    EXPECT_EQ(0, game.VisibleImages(0, 0)) << Describe(game.all);
    EXPECT_EQ(game.main.hwnd, game.gameWindow.owner);
    EXPECT_EQ(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
              game.gameWindow.style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CHILD));
    EXPECT_TRUE(game.gameWindow.exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(1, std::count_if(game.all.begin(), game.all.end(), [](const WindowView& w) { return w.visible; }))
        << Describe(game.all);

    // Close: the game window asks first; Yes ends the launcher cleanly.
    ASSERT_TRUE(PostMessageW(game.gameWindow.hwnd, WM_CLOSE, 0, 0));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = QuestionBoxOf(launcher.ThreadId())) != nullptr; }, 10000))
        << Describe(TopLevelWindows(launcher.Id()));
    EXPECT_EQ(kExitQuestion, MessageTextOf(box));
    EXPECT_EQ(game.gameWindow.hwnd, GetWindow(box, GW_OWNER));
    // A bounded negative check: the launcher must still run 300 ms on.
    EXPECT_FALSE(launcher.WaitForExit(300)) << "nothing ends before the answer";
    ASSERT_TRUE(
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES))));
    ASSERT_TRUE(launcher.WaitForExit(10000)) << Describe(TopLevelWindows(launcher.Id()));
    EXPECT_EQ(0u, launcher.ExitCode());
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg.rfind(L"--launcher=", 0) == 0)
            g_launcher = arg.substr(11);
        else if (arg.rfind(L"--pages=", 0) == 0)
            g_pages = arg.substr(8);
    }
    if (g_launcher.empty() || g_pages.empty()) {
        fwprintf(stderr, L"usage: launcher_e2e --launcher=EXE --pages=FILE\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
