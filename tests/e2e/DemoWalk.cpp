// The demo's walk through a launch: starts the launcher over a plain
// desktop, and at each phase (loading, login, launching, playing, the close
// question) has the screen captured.  It plays the player's part: clicks the
// login page's button, closes the game window and answers the question.
//
//   demo_walk.exe --launcher=<exe> --screenshot=<screenshot.exe> --shots=<folder>
//
// The launcher's thread is held while the short phases are captured: the
// stand-in browser completes pages within a few messages.
#include "CDemoDesktop.h"
#include "CLauncherProcess.h"
#include "FakeBrowserChannel.h"
#include "FakeFormLayout.h"
#include "LauncherWindows.h"
#include "WaitUntil.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring Argument(int argc, wchar_t** argv, const std::wstring& name)
{
    std::wstring prefix = L"--" + name + L"=";
    for (int i = 1; i < argc; ++i)
        if (std::wstring(argv[i]).rfind(prefix, 0) == 0)
            return std::wstring(argv[i]).substr(prefix.size());
    return L"";
}

bool RunAndWait(const std::wstring& exe, const std::wstring& argument)
{
    std::wstring line = L"\"" + exe + L"\" \"" + argument + L"\"";
    std::vector<wchar_t> commandLine(line.begin(), line.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    WaitForSingleObject(info.hProcess, 20000);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code == 0;
}

// A left click at the centre of r, in client coordinates of the window.
void Click(HWND window, const RECT& r)
{
    POINT at = CentreOf(r);
    LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
}

int Fail(const wchar_t* what)
{
    fwprintf(stderr, L"demo: %ls\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring exe = DosPath(Argument(argc, argv, L"launcher"));
    std::wstring screenshot = DosPath(Argument(argc, argv, L"screenshot"));
    std::wstring shots = DosPath(Argument(argc, argv, L"shots"));
    if (exe.empty() || screenshot.empty() || shots.empty())
        return Fail(L"usage: demo_walk --launcher=EXE --screenshot=EXE --shots=FOLDER");
    auto shot = [&](const wchar_t* name) {
        std::wstring path = shots + L"\\" + name + L".png";
        bool ok = RunAndWait(screenshot, path);
        wprintf(L"  %ls %ls\n", name, ok ? L"captured" : L"NOT captured");
        fflush(stdout);
    };

    // Pages complete only when this walk says so, so each phase lasts for
    // its screenshot.  The pauses before each picture are fixed: they give
    // the launcher's paint time to reach the screen (which another process
    // cannot watch finish) and, in the animated phases, the animation time
    // to move past its first frame.  A picture is all they guard.
    SetEnvironmentVariableW(L"FAKEBROWSER_MANUAL", L"1");
    CDemoDesktop desktop;
    CLauncherProcess launcher;
    if (!launcher.Start(exe))
        return Fail(L"the launcher did not start");
    LauncherScreen roles;
    if (!WaitUntil(
            [&] {
        roles = Look(launcher.Id());
        return roles.main.visible && roles.VisibleImages(0, 0) > 0 && roles.loginPane.hwnd
               && BrowserControlOf(roles.loginPane.hwnd);
            },
            15000))
        return Fail(L"no loading animation");
    Sleep(1500);
    shot(L"1-loading");

    // The login page finishes loading.
    PostMessageW(BrowserControlOf(roles.loginPane.hwnd), FakeChannelCompleteNavigation(), 0, 0);
    if (!WaitUntil(
            [&] {
        roles = Look(launcher.Id());
        return roles.loginPane.visible && roles.VisibleImages(0, 0) == 6;
            },
            10000))
        return Fail(L"the login pane did not show");
    Sleep(500);
    shot(L"2-login");

    // The player presses the page's button, which opens the game in a new
    // window.
    HWND page = BrowserControlOf(roles.loginPane.hwnd);
    RECT client = {};
    GetClientRect(page, &client);
    Click(page, FakeFormLayout::For(client).button);
    if (!WaitUntil(
            [&] {
        roles = Look(launcher.Id());
        return !roles.main.visible && roles.VisibleImages(0, 0) > 0;
            },
            10000))
        return Fail(L"no hand-over to the game window");
    Sleep(1500);
    shot(L"3-launching");

    // The game page finishes loading in the hidden game window.
    PostMessageW(BrowserControlOf(roles.gameWindow.hwnd), FakeChannelCompleteNavigation(), 0, 0);
    if (!WaitUntil(
            [&] {
        LauncherScreen now = Look(launcher.Id());
        return now.gameWindow.visible && now.VisibleImages(0, 0) == 0;
            },
            10000))
        return Fail(L"the game window did not take over");
    Sleep(500);
    roles = Look(launcher.Id());
    shot(L"4-playing");

    PostMessageW(roles.gameWindow.hwnd, WM_CLOSE, 0, 0);
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = QuestionBoxOf(launcher.ThreadId())) != nullptr; }, 10000))
        return Fail(L"no exit question");
    Sleep(500);
    shot(L"5-closing");
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
    if (!launcher.WaitForExit(10000))
        return Fail(L"the launcher did not end");
    return static_cast<int>(launcher.ExitCode());
}
