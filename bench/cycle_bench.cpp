// Launch cycles in one process: the whole main window with its twelve
// pop-ups, the login page completing, the game address captured and handed
// over, the game window revealed, then torn down.  Prints GDI, USER and
// kernel handle counts and the stand-in browser's live objects before and
// after, so any growth per cycle shows.
//   bench_cycles.exe [cycles]
#include "CkelvorDlg.h"
#include "CLoginMainWnd.h"
#include "CWebWnd.h"
#include "CWinApp.h"
#include "FakeBrowser.h"
#include "resource.h"
#include <cstdio>
#include <cstdlib>
#include <gdiplus.h>
#include <psapi.h>

namespace {

CWinApp g_app;

// GetGuiResources and GetProcessHandleCount report counts on Windows; Wine
// 8.0 answers 0 for both, so the thread's windows and the private memory
// are counted too.
struct Counts {
    DWORD gdi, user, handles, windows;
    SIZE_T privateBytes;
    LONG live;
};

BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    return TRUE;
}

Counts Measure()
{
    Counts c = {};
    c.gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    c.user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    ::GetProcessHandleCount(::GetCurrentProcess(), &c.handles);
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&c.windows));
    PROCESS_MEMORY_COUNTERS_EX pmc = {sizeof(pmc)};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof(pmc));
    c.privateBytes = pmc.PagefileUsage;
    c.live = FakeLiveObjectCount();
    return c;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void Navigate(CFakeWebBrowser* b, const wchar_t* url)
{
    BSTR s = ::SysAllocString(url);
    b->Navigate(s, nullptr, nullptr, nullptr, nullptr);
    ::SysFreeString(s);
}

void OneCycle(const CString& login)
{
    CFakeWebBrowser::ResetHistory();
    CkelvorDlg dlg;
    g_app.m_pMainWnd = &dlg;
    dlg.Create(IDD_MAIN);
    CFakeWebBrowser* pane = CFakeWebBrowser::Instances()[0];
    CFakeWebBrowser* game = CFakeWebBrowser::Instances()[1];
    Navigate(pane, login);
    pane->CompleteNavigation();  // login reveal
    pane->FireNewWindow2();      // capture and hand-over
    game->CompleteNavigation();  // game reveal
    Pump();
    dlg.DestroyWindow();
    g_app.m_pMainWnd = nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    int cycles = argc > 1 ? _wtoi(argv[1]) : 1000;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    AfxEnableControlContainer();
    ::OleInitialize(nullptr);
    {
        CFakeBrowserRegistration registration;
        CString login;
        login.LoadString(IDS_LOGIN_URL);
        FakePage page;
        page.url = login.GetString();
        page.Input(L"loginurl", L"", CFakeVariant::Bstr(L"http://game.example/"));
        CFakePageTable::Set(page);

        OneCycle(login);  // warm-up: first-use allocations of the system
        Counts before = Measure();
        DWORD start = ::GetTickCount();
        for (int i = 0; i < cycles; ++i)
            OneCycle(login);
        DWORD ms = ::GetTickCount() - start;
        Counts after = Measure();
        std::printf("cycles %d in %lu ms (%.1f ms each)\n", cycles, ms, cycles ? double(ms) / cycles : 0.0);
        std::printf("gdi objects %lu -> %lu\nuser objects %lu -> %lu\nhandles %lu -> %lu\n"
                    "thread windows %lu -> %lu\ncommitted bytes %lu -> %lu\nstand-in objects %ld -> %ld\n",
                    before.gdi, after.gdi, before.user, after.user, before.handles, after.handles, before.windows,
                    after.windows, static_cast<unsigned long>(before.privateBytes),
                    static_cast<unsigned long>(after.privateBytes), before.live, after.live);
        CFakePageTable::Clear();
    }
    ::OleUninitialize();
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
