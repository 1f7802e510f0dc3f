// Plays the player's part in the demo, from outside the launcher:
//   demo-driver.exe newwindow   the login page asks for a new window
//   demo-driver.exe close       close the game window and answer Yes
// It finds the stand-in browser controls by their window class and speaks
// to them through their registered messages.
#include <windows.h>
#include <shellapi.h>
#include <string>
#include <vector>

namespace {

const wchar_t kControlClass[] = L"FakeWebBrowserControl";

struct Found {
    std::vector<HWND> controls;
};

BOOL CALLBACK FindControls(HWND hWnd, LPARAM lParam)
{
    wchar_t cls[64] = {};
    ::GetClassNameW(hWnd, cls, 64);
    if (wcscmp(cls, kControlClass) == 0)
        reinterpret_cast<Found*>(lParam)->controls.push_back(hWnd);
    return TRUE;
}

BOOL CALLBACK FindTopLevel(HWND hWnd, LPARAM lParam)
{
    ::EnumChildWindows(hWnd, FindControls, lParam);
    return TRUE;
}

// The stand-in control inside the login pane (no caption) or inside the
// game window (captioned).
HWND FindControl(bool inGameWindow)
{
    Found found;
    ::EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&found));
    for (HWND h : found.controls) {
        bool captioned = (::GetWindowLongW(::GetParent(h), GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
        if (captioned == inGameWindow)
            return h;
    }
    return nullptr;
}

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
{
    wchar_t cls[32] = {};
    ::GetClassNameW(hWnd, cls, 32);
    if (wcscmp(cls, L"#32770") == 0 && ::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, IDYES)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::wstring command = argv && argc > 1 ? argv[1] : L"";
    ::LocalFree(argv);

    if (command == L"newwindow") {
        HWND h = FindControl(false);
        if (!h)
            return 1;
        ::PostMessageW(h, ::RegisterWindowMessageW(L"FakeWebBrowser.NewWindow"), 0, 0);
        return 0;
    }
    if (command == L"close") {
        HWND h = FindControl(true);
        if (!h)
            return 1;
        ::PostMessageW(::GetParent(h), WM_CLOSE, 0, 0);
        for (int i = 0; i < 100; ++i) {
            HWND box = nullptr;
            ::EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
            if (box) {
                ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(box, IDYES)));
                return 0;
            }
            ::Sleep(50);
        }
        return 1;
    }
    return 2;
}
