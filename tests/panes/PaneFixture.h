// A test fixture for the browser windows: the stand-in control registered,
// control hosting on, and a main window that records the phase messages it
// receives.
#pragma once
#include "CDialog.h"
#include "CWinApp.h"
#include "FakeBrowser.h"
#include "LauncherMessages.h"
#include "Printers.h"
#include "Pump.h"
#include "TestApp.h"
#include "resource.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

class CPhaseRecorder : public CDialog {
public:
    CPhaseRecorder() : CDialog(IDD_MAIN) {}
    std::vector<WPARAM> phases;
    int closes = 0;
    std::function<void(WPARAM)> onPhase;  // runs inside the sender's handler

    LRESULT OnLauncherPhase(WPARAM wParam, LPARAM)
    {
        phases.push_back(wParam);
        if (onPhase)
            onPhase(wParam);
        return 0;
    }
    void OnClose() { ++closes; }
    DECLARE_MESSAGE_MAP()
};

class PaneTest : public ::testing::Test {
protected:
    COleScope ole;
    CFakeBrowserRegistration registration;
    CPhaseRecorder main;
    CMainWndScope scope{&main};

    static void SetUpTestSuite() { AfxEnableControlContainer(); }
    void SetUp() override
    {
        CFakeWebBrowser::ResetHistory();
        CFakePageTable::Clear();
        ASSERT_TRUE(main.Create(IDD_MAIN));
    }
    void TearDown() override
    {
        main.DestroyWindow();
        CFakePageTable::Clear();
    }

    // Posts a message to hWnd and runs it through the modal loop's walk;
    // returns whether a filter consumed it (else it is dispatched).
    static BOOL Deliver(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam = 0)
    {
        PumpMessages();
        ::PostMessageW(hWnd, message, wParam, lParam);
        MSG msg;
        if (!::PeekMessageW(&msg, hWnd, message, message, PM_REMOVE))
            return FALSE;
        BOOL consumed = AfxPreTranslateMessage(&msg);
        if (!consumed) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        return consumed;
    }

    static RECT WindowRect(HWND hWnd)
    {
        RECT r = {};
        ::GetWindowRect(hWnd, &r);
        return r;
    }
};
