// Moving, sizing and showing a hosted control through its wrapper: the site
// keeps the rectangle, the control is given its extent and object
// rectangles and the show and hide verbs, and a control that reads its
// window context again (as the stand-in does on a click into its page) finds
// exactly what the wrapper last asked for.
#include "HostingFixture.h"
#include "CHostDialog.h"
#include "COleControlSite.h"
#include "FakeBrowser.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

namespace {

// A dialog hosting one stand-in control, wrapped as the product wraps it.
class SiteGeometry : public HostingTest {
protected:
    CHostDialog dlg{IDD_HOST_ONE};
    CFakeWebBrowser* fake = nullptr;

    void SetUp() override
    {
        HostingTest::SetUp();
        ASSERT_TRUE(dlg.Create(IDD_HOST_ONE));
        fake = ControlWithId(dlg.m_hWnd, IDC_HOST_BROWSER);
        ASSERT_NE(fake, nullptr);
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        HostingTest::TearDown();
    }
};

// The container calls made since mark, in order.
std::vector<std::wstring> CallsSince(const CFakeWebBrowser* fake, size_t mark)
{
    const std::vector<std::wstring>& calls = fake->Record().containerCalls;
    return std::vector<std::wstring>(calls.begin() + static_cast<std::ptrdiff_t>(mark), calls.end());
}

SIZEL Extent(CFakeWebBrowser* fake)
{
    SIZEL size = {};
    ComPtr<IOleObject> object;
    fake->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(object.GetAddressOf()));
    object->GetExtent(DVASPECT_CONTENT, &size);
    return size;
}

void Click(CFakeWebBrowser* fake)
{
    ::SendMessageW(fake->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
}

TEST_F(SiteGeometry, MovesGoThroughTheControlAndSurviveItsWindowContext)
{
    HDC dc = ::GetDC(dlg.m_hWnd);
    const int dpiX = ::GetDeviceCaps(dc, LOGPIXELSX), dpiY = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(dlg.m_hWnd, dc);

    struct Case {
        const char* what;
        UINT flags;     // 0: MoveWindow; else SetWindowPos with these flags
        RECT asked;     // x, y, right, bottom handed to the call
        RECT expected;  // where the control must then stand
    };
    const Case cases[] = {
        {"MoveWindow", 0, {-10, -10, 790, 390}, {-10, -10, 790, 390}},
        {"SetWindowPos", SWP_NOZORDER, {3, 4, 253, 104}, {3, 4, 253, 104}},
        {"SetWindowPos, no move", SWP_NOZORDER | SWP_NOMOVE, {90, 90, 190, 140}, {3, 4, 103, 54}},
        {"SetWindowPos, no size", SWP_NOZORDER | SWP_NOSIZE, {20, 30, 999, 999}, {20, 30, 120, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t mark = fake->Record().containerCalls.size();
        int cx = c.asked.right - c.asked.left, cy = c.asked.bottom - c.asked.top;
        if (c.flags == 0)
            dlg.m_wndBrowser.MoveWindow(c.asked.left, c.asked.top, cx, cy);
        else
            dlg.m_wndBrowser.SetWindowPos(nullptr, c.asked.left, c.asked.top, cx, cy, c.flags);
        EXPECT_EQ(CallsSince(fake, mark), (std::vector<std::wstring>{L"SetExtent", L"SetObjectRects"}));
        EXPECT_TRUE(RectEq(c.expected, InParent(fake->Window())));
        EXPECT_TRUE(RectEq(c.expected, fake->ViewRect())) << "the page follows the control's rectangles";
        SIZEL extent = Extent(fake);
        EXPECT_EQ(::MulDiv(c.expected.right - c.expected.left, 2540, dpiX), extent.cx) << "HIMETRIC width";
        EXPECT_EQ(::MulDiv(c.expected.bottom - c.expected.top, 2540, dpiY), extent.cy) << "HIMETRIC height";

        // The control reads its window context again: nothing snaps back.
        Click(fake);
        EXPECT_TRUE(RectEq(c.expected, fake->Record().lastPosRect)) << "GetWindowContext answers the move";
        RECT client;
        ::GetClientRect(dlg.m_hWnd, &client);
        EXPECT_TRUE(RectEq(client, fake->Record().lastClipRect)) << "clipped to the dialog's client area";
        EXPECT_TRUE(RectEq(c.expected, InParent(fake->Window())));
    }

    // A move behind the control's back is undone by the next window
    // context the control reads, as a real control would undo it.
    ::MoveWindow(fake->Window(), 0, 0, 30, 30, TRUE);
    EXPECT_TRUE(RectEq(RECT{20, 30, 120, 80}, fake->ViewRect())) << "its page stays where it was told";
    Click(fake);
    EXPECT_TRUE(RectEq(RECT{20, 30, 120, 80}, InParent(fake->Window())));
}

TEST_F(SiteGeometry, ShowAndHideUseTheVerbs)
{
    auto visibleStyle = [&] { return (::GetWindowLongW(fake->Window(), GWL_STYLE) & WS_VISIBLE) != 0; };

    struct Case {
        const char* what;
        bool useSetWindowPos;
        int show;           // SW_SHOW / SW_HIDE
        std::wstring verb;  // the verb the control must get
        bool visible;
    };
    const Case cases[] = {
        {"ShowWindow(SW_HIDE)", false, SW_HIDE, L"DoVerb(-3)", false},
        {"ShowWindow(SW_SHOW)", false, SW_SHOW, L"DoVerb(-1)", true},
        {"SetWindowPos(SWP_HIDEWINDOW)", true, SW_HIDE, L"DoVerb(-3)", false},
        {"SetWindowPos(SWP_SHOWWINDOW)", true, SW_SHOW, L"DoVerb(-1)", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t mark = fake->Record().containerCalls.size();
        const bool wasVisible = visibleStyle();
        if (c.useSetWindowPos) {
            UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | (c.show == SW_SHOW ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
            dlg.m_wndBrowser.SetWindowPos(nullptr, 0, 0, 0, 0, flags);
        } else {
            EXPECT_EQ(dlg.m_wndBrowser.ShowWindow(c.show) != FALSE, wasVisible && dlg.IsWindowVisible())
                << "answers whether it was visible";
        }
        EXPECT_EQ(CallsSince(fake, mark), std::vector<std::wstring>{c.verb});
        EXPECT_EQ(visibleStyle(), c.visible);
    }
}

TEST_F(SiteGeometry, ResizingTheDialogGivesTheControlItsNewClip)
{
    dlg.m_wndBrowser.MoveWindow(-10, -10, 800, 400);
    dlg.MoveWindow(0, 0, 700, 450);
    RECT client;
    ::GetClientRect(dlg.m_hWnd, &client);
    EXPECT_TRUE(RectEq(client, fake->Record().lastClipRect));
    EXPECT_TRUE(RectEq(RECT{-10, -10, 790, 390}, fake->Record().lastPosRect)) << "its place stays";
}

}  // namespace
