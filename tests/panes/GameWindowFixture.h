// A test fixture for the game window: made from its template under the
// recording main window, with the stand-in control it hosts, 1000 x 700.
#pragma once
#include "CLoginMainWnd.h"
#include "PaneFixture.h"
#include <string>

class GameWindow : public PaneTest {
protected:
    CLoginMainWnd game{&main};
    CFakeWebBrowser* browser = nullptr;

    void SetUp() override
    {
        PaneTest::SetUp();
        ASSERT_TRUE(game.Create(IDD_GAME_WINDOW));
        browser = CFakeWebBrowser::Last();
        ASSERT_NE(browser, nullptr);
        game.MoveWindow(0, 0, 1000, 700);
        main.phases.clear();
    }
    void TearDown() override
    {
        game.DestroyWindow();
        PaneTest::TearDown();
    }
    RECT BrowserRect() { return WindowRect(browser->Window()); }
    void Complete(const std::wstring& url, int frames = 0)
    {
        FakePage page;
        page.url = url;
        page.title = L"Game " + url;
        page.frames.resize(static_cast<size_t>(frames));
        for (auto& f : page.frames)
            f.url = url + L"/frame";
        CFakePageTable::Set(page);
        BSTR bstr = ::SysAllocString(url.c_str());
        browser->Navigate(bstr, nullptr, nullptr, nullptr, nullptr);
        ::SysFreeString(bstr);
        browser->CompleteNavigation();
    }
    // The outer rectangle in client coordinates, as the reveal fits to it.
    POINT ExpectedFit()
    {
        RECT r = WindowRect(game.m_hWnd);
        ::ScreenToClient(game.m_hWnd, reinterpret_cast<POINT*>(&r.right));
        return {r.right, r.bottom};
    }
};
