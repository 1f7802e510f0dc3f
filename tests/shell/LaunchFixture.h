// The launcher's main window with all its children, hosted browsers played
// by the stand-in control: the login pane's is the first control made, the
// game window's the second.
#pragma once
#include "CLoginMainWnd.h"
#include "CTestButton.h"
#include "CWebWnd.h"
#include "CkelvorDlg.h"
#include "FakeBrowser.h"
#include "GdiplusScope.h"
#include "LauncherMessages.h"
#include "Printers.h"
#include "Pump.h"
#include "TestApp.h"
#include "resource.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

class LaunchTest : public ::testing::Test {
protected:
    COleScope ole;
    CFakeBrowserRegistration registration;
    CkelvorDlg dlg;
    CMainWndScope scope{&dlg};
    CString loginUrl;

    static void SetUpTestSuite() { AfxEnableControlContainer(); }
    void SetUp() override
    {
        CFakeWebBrowser::ResetHistory();
        CFakePageTable::Clear();
        loginUrl.LoadString(IDS_LOGIN_URL);
        ASSERT_TRUE(dlg.Create(IDD_MAIN));
        ASSERT_EQ(CFakeWebBrowser::Instances().size(), 2u);
        // The animation's clock starts now, as the launcher's does when its
        // window is up: on a slow run (the heap checker makes every
        // allocation costly) creating twelve windows can outlast a tick.
        // The same timer, id and period, armed again.
        dlg.SetTimer(ID_TIMER_LOADING, 1000, nullptr);
        PumpMessages();
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        CFakePageTable::Clear();
        EXPECT_EQ(FakeLiveObjectCount(), 0) << "every browser object released";
    }

    CFakeWebBrowser* LoginBrowser() { return CFakeWebBrowser::Instances()[0]; }
    CFakeWebBrowser* GameBrowser() { return CFakeWebBrowser::Instances()[1]; }
    const std::vector<std::wstring>& GameNavigations() { return GameBrowser()->Record().navigations; }

    // The login browser finishes a page at url (with the given frames), whose
    // "loginurl" input holds game (none when empty).
    void LoginCompletes(const std::wstring& url, const std::wstring& game = L"", int frames = 0)
    {
        FakePage page;
        page.url = url;
        if (!game.empty())
            page.Input(L"loginurl", L"", CFakeVariant::Bstr(game));
        page.frames.resize(static_cast<size_t>(frames));
        for (auto& f : page.frames)
            f.url = url + L"#frame";
        CFakePageTable::Set(page);
        BSTR b = ::SysAllocString(url.c_str());
        LoginBrowser()->Navigate(b, nullptr, nullptr, nullptr, nullptr);
        ::SysFreeString(b);
        LoginBrowser()->CompleteNavigation();
    }
    bool LoginRequestsNewWindow() { return LoginBrowser()->FireNewWindow2(); }
    // The game browser finishes the page it was last sent to.
    void GameCompletes() { GameBrowser()->CompleteNavigation(); }

    // Which windows show: "M" main, "P" pane, "G" game, "b" per button
    // (site, top-up, forum, service, close, minimize), "1".."4" frames.
    std::string Visible()
    {
        std::string s;
        auto add = [&](CWnd* w, const char* tag) {
            if (w && w->IsWindowVisible())
                s += tag;
        };
        add(&dlg, "M");
        add(dlg.m_pLoginPane, "P");
        add(dlg.m_pGameWnd, "G");
        for (CWnd* b : {static_cast<CWnd*>(dlg.m_pBtnSite), static_cast<CWnd*>(dlg.m_pBtnTopUp),
                        static_cast<CWnd*>(dlg.m_pBtnForum), static_cast<CWnd*>(dlg.m_pBtnService),
                        static_cast<CWnd*>(dlg.m_pBtnClose), static_cast<CWnd*>(dlg.m_pBtnMinimize)})
            add(b, "b");
        add(dlg.m_pLoading1, "1");
        add(dlg.m_pLoading2, "2");
        add(dlg.m_pLoading3, "3");
        add(dlg.m_pLoading4, "4");
        return s;
    }
    static RECT Rect(CWnd* w)
    {
        RECT r = {};
        w->GetWindowRect(&r);
        return r;
    }
};
