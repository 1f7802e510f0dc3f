// The main window in a module that has no skin image.
#include "CkelvorDlg.h"
#include "CTestButton.h"
#include "GdiplusScope.h"
#include "Pump.h"
#include "TestApp.h"
#include "resource.h"
#include <gtest/gtest.h>

USE_GDIPLUS_IN_TESTS();

namespace {

TEST(MainWindowWithoutSkin, StopsAfterLoadingButKeepsItsTimer)
{
    CkelvorDlg dlg;
    CMainWndScope scope(&dlg);
    ASSERT_TRUE(dlg.Create(IDD_MAIN));
    PumpMessages();

    EXPECT_EQ(dlg.m_pSkin, nullptr);
    RECT expected = {0, 0, 319, 199};
    ::MapDialogRect(dlg.m_hWnd, &expected);
    ::AdjustWindowRectEx(&expected, dlg.GetStyle(), FALSE, dlg.GetExStyle());
    RECT r;
    dlg.GetWindowRect(&r);
    EXPECT_EQ(r.right - r.left, expected.right - expected.left) << "template size";
    EXPECT_EQ(r.bottom - r.top, expected.bottom - expected.top) << "template size";
    EXPECT_FALSE(dlg.GetExStyle() & WS_EX_LAYERED);
    ASSERT_NE(dlg.m_pLoading1, nullptr);
    EXPECT_FALSE(dlg.m_pLoading1->IsWindowVisible()) << "no frame shown";
    EXPECT_TRUE(::KillTimer(dlg.m_hWnd, ID_TIMER_LOADING)) << "the loading timer was running";
    dlg.DestroyWindow();
}

}  // namespace
