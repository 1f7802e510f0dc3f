// CenterWindow: on the owner while it is visible and not minimized, else on
// the work area; kept inside the work area, left and top edges winning.
#include "CWnd.h"
#include "Pump.h"
#include "TestApp.h"
#include <gtest/gtest.h>

namespace {

enum class OwnerState { Visible, Hidden, Minimized };

struct Placement {
    HWND owner = nullptr;
    CWnd wnd;

    Placement(RECT ownerRect, OwnerState state, SIZE size)
    {
        owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, ownerRect.left, ownerRect.top,
                                  ownerRect.right - ownerRect.left, ownerRect.bottom - ownerRect.top, nullptr, nullptr,
                                  nullptr, nullptr);
        if (state != OwnerState::Hidden)
            ::ShowWindow(owner, SW_SHOW);
        if (state == OwnerState::Minimized)
            ::ShowWindow(owner, SW_MINIMIZE);
        HWND h = ::CreateWindowExW(0, L"STATIC", L"centred", WS_POPUP | WS_VISIBLE, 3, 4, size.cx, size.cy, owner,
                                   nullptr, nullptr, nullptr);
        wnd.SubclassWindow(h);
        PumpMessages();
    }
    ~Placement()
    {
        wnd.DestroyWindow();
        ::DestroyWindow(owner);
    }
    POINT Centre()
    {
        wnd.CenterWindow();
        RECT r;
        wnd.GetWindowRect(&r);
        return {r.left, r.top};
    }
};

class CenterWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        RECT work;
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        ASSERT_EQ(work.right, 1024);
        ASSERT_EQ(work.bottom, 768);
    }
};

TEST_F(CenterWindow, CasesOnTheTestScreen)
{
    struct Case {
        const char* name;
        RECT owner;
        OwnerState state;
        SIZE size;
        POINT expected;
    };
    const Case cases[] = {
        {"on a visible owner", {100, 50, 400, 250}, OwnerState::Visible, {100, 50}, {200, 125}},
        {"owner hidden: work area", {100, 50, 400, 250}, OwnerState::Hidden, {100, 50}, {462, 359}},
        {"owner minimized: work area", {100, 50, 400, 250}, OwnerState::Minimized, {100, 50}, {462, 359}},
        {"past the right edge", {900, 100, 1000, 200}, OwnerState::Visible, {300, 50}, {724, 125}},
        {"past the bottom edge", {100, 700, 200, 760}, OwnerState::Visible, {50, 200}, {125, 568}},
        {"wider and taller than the work area: left and top win",
         {100, 50, 1270, 800},
         OwnerState::Visible,
         {1275, 800},
         {0, 0}},
        {"game window on the launcher", {100, 50, 1270, 800}, OwnerState::Visible, {1275, 720}, {0, 48}},
    };
    for (const Case& c : cases) {
        Placement p(c.owner, c.state, c.size);
        POINT pt = p.Centre();
        EXPECT_EQ(pt.x, c.expected.x) << c.name;
        EXPECT_EQ(pt.y, c.expected.y) << c.name;
    }
}

TEST_F(CenterWindow, KeepsSizeZOrderAndActivation)
{
    Placement p({100, 50, 400, 250}, OwnerState::Visible, {100, 50});
    HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    ::SetForegroundWindow(other);
    PumpMessages();
    HWND foreground = ::GetForegroundWindow();
    HWND above = ::GetWindow(p.wnd.m_hWnd, GW_HWNDPREV);

    p.Centre();
    PumpMessages();

    RECT r;
    p.wnd.GetWindowRect(&r);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 50);
    EXPECT_EQ(::GetForegroundWindow(), foreground);
    EXPECT_EQ(::GetWindow(p.wnd.m_hWnd, GW_HWNDPREV), above);
    ::DestroyWindow(other);
}

// Runs on a larger display, where the work area holds the whole game window.
TEST(CenterWindowLargeScreen, GameWindowCentredOnTheLauncher)
{
    Placement p({100, 50, 1270, 800}, OwnerState::Visible, {1275, 720});
    POINT pt = p.Centre();
    EXPECT_EQ(pt.x, 48);
    EXPECT_EQ(pt.y, 65);
}

}  // namespace
