// The main window: placement, transparency, keys, closing and dragging.
#include "CkelvorDlg.h"
#include "CTestButton.h"
#include "GdiplusScope.h"
#include "MessageBoxes.h"
#include "Pump.h"
#include "ScreenPixels.h"
#include "TestApp.h"
#include "launcher_brand.h"
#include "resource.h"
#include <gtest/gtest.h>

USE_GDIPLUS_IN_TESTS();

namespace {

TEST(MainWindow, LandsCentredLayeredVisibleAndTransparent)
{
    CBackdrop backdrop({0, 0, 1024, 768}, RGB(0, 128, 255));
    CkelvorDlg dlg;
    CMainWndScope scope(&dlg);
    ASSERT_TRUE(dlg.Create(IDD_MAIN));
    // A transparent window shows nothing to wait for; the first loading
    // frame does.  The window paints its skin before it shows the frame, so
    // once the frame has reached the screen the skin has too.
    RECT frame = {};
    dlg.m_pLoading1->GetWindowRect(&frame);
    auto frameShows = [&] {
        for (DWORD p : ScreenArea(frame))
            if (p != 0x0080FFu)
                return true;
        return false;
    };
    EXPECT_TRUE(PumpUntil(frameShows)) << "the loading frame never reached the screen";

    RECT r;
    dlg.GetWindowRect(&r);
    EXPECT_EQ(r.left, -73);
    EXPECT_EQ(r.top, 9);
    EXPECT_EQ(r.right - r.left, 1170);
    EXPECT_EQ(r.bottom - r.top, 750);
    EXPECT_TRUE(dlg.GetExStyle() & WS_EX_LAYERED);
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.m_blend.SourceConstantAlpha, 0);
    EXPECT_EQ(dlg.m_blend.AlphaFormat, AC_SRC_ALPHA);
    EXPECT_EQ(dlg.m_nWidth, 1170u);
    EXPECT_EQ(dlg.m_nHeight, 750u);
    // Fully transparent although visible: the backdrop shows everywhere
    // but where the first loading frame sits.
    EXPECT_EQ(ScreenPixel(200, 300), 0x0080FFu);
    EXPECT_EQ(ScreenPixel(900, 700), 0x0080FFu);

    EXPECT_EQ(reinterpret_cast<HICON>(dlg.SendMessage(WM_QUERYDRAGICON)), dlg.m_hIcon);
    EXPECT_NE(dlg.m_hIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(dlg.SendMessage(WM_GETICON, ICON_BIG)), dlg.m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(dlg.SendMessage(WM_GETICON, ICON_SMALL)), dlg.m_hIcon);

    WCHAR title[64] = {};
    ::GetWindowTextW(dlg.m_hWnd, title, 64);
    EXPECT_STREQ(title, L"" LAUNCHER_WINDOW_TITLE);
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_pSkin, nullptr);
    EXPECT_EQ(dlg.m_pLoading1, nullptr);
}

// Posts a sequence of messages to the running main window from a thread
// timer inside its modal loop, one per tick.
struct Script {
    std::vector<std::pair<UINT, WPARAM>> steps;
    size_t next = 0;
    bool sawBox = false;
};
Script* g_script = nullptr;

void CALLBACK ScriptTick(HWND, UINT, UINT_PTR id, DWORD)
{
    CWnd* pMain = AfxGetMainWnd();
    if (!g_script || !pMain || !pMain->m_hWnd)
        return;
    if (FindThreadMessageBox())
        g_script->sawBox = true;
    if (g_script->next < g_script->steps.size()) {
        auto step = g_script->steps[g_script->next++];
        pMain->PostMessage(step.first, step.second, 0);
    }
}

TEST(MainWindow, EscapeAndEnterNeverEndTheRunButCloseDoesWithoutAQuestion)
{
    Script script;
    script.steps = {{WM_KEYDOWN, VK_ESCAPE}, {WM_KEYUP, VK_ESCAPE}, {WM_KEYDOWN, VK_RETURN},
                    {WM_KEYUP, VK_RETURN},   {WM_NULL, 0},          {WM_CLOSE, 0}};
    g_script = &script;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 30, ScriptTick);

    CkelvorDlg dlg;
    TestApp().m_pMainWnd = &dlg;
    INT_PTR result = dlg.DoModal();
    ::KillTimer(nullptr, timer);
    g_script = nullptr;

    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(script.next, script.steps.size()) << "the run lasted until WM_CLOSE";
    EXPECT_FALSE(script.sawBox);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(MainWindow, ClickOnTheBodyTurnsFullWindowDraggingOn)
{
    ::SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
    CkelvorDlg dlg;
    CMainWndScope scope(&dlg);
    ASSERT_TRUE(dlg.Create(IDD_MAIN));
    PumpMessages();

    // The release is queued first, so the system's move loop ends at once.
    dlg.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 40));
    dlg.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(600, 40));
    auto fullDragging = [] {
        BOOL full = FALSE;
        ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
        return full != FALSE;
    };
    EXPECT_TRUE(PumpUntil(fullDragging));
    RECT r;
    dlg.GetWindowRect(&r);
    EXPECT_EQ(r.left, -73) << "a click without moving leaves the window in place";
    dlg.DestroyWindow();
}

}  // namespace
