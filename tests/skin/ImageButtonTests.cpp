// The image button: its image, its cursor and its actions.
#include "CTestButton.h"
#include "MessageBoxes.h"
#include "Printers.h"
#include "Pump.h"
#include "ScreenPixels.h"
#include "TestApp.h"
#include "UrlHandler.h"
#include "resource.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

// Stands in for the main window: an owner that counts WM_CLOSE.
class COwner : public CDialog {
public:
    COwner() : CDialog(IDD_MAIN) {}
    int closes = 0;
    void OnClose() { ++closes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwner, CDialog)
ON_WM_CLOSE()
END_MESSAGE_MAP()

class ImageButton : public ::testing::Test {
protected:
    COwner owner;
    CMainWndScope scope{&owner};

    void SetUp() override { ASSERT_TRUE(owner.Create(IDD_MAIN)); }
    void TearDown() override { owner.DestroyWindow(); }

    // Made as the main window makes its buttons.
    std::unique_ptr<CTestButton> Make(UINT nImage)
    {
        auto p = std::make_unique<CTestButton>(&owner);
        EXPECT_TRUE(p->Create(IDD_IMAGE_BUTTON));
        p->SetImage(nImage);
        p->m_nAction = static_cast<int>(nImage);
        return p;
    }
    static RECT Rect(CWnd& w)
    {
        RECT r;
        w.GetWindowRect(&r);
        return r;
    }
    static void Press(CWnd& w) { w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
};

TEST_F(ImageButton, StartsHiddenOwnedAndVisibleBlend)
{
    auto b = Make(IDB_BTN_CLOSE);
    EXPECT_EQ(::GetWindow(b->m_hWnd, GW_OWNER), owner.m_hWnd);
    EXPECT_FALSE(b->IsWindowVisible());
    EXPECT_EQ(b->m_blend.SourceConstantAlpha, 255);
    EXPECT_EQ(b->m_blend.AlphaFormat, AC_SRC_ALPHA);
    EXPECT_TRUE(b->GetExStyle() & WS_EX_LAYERED);
}

TEST_F(ImageButton, SetImageSizesToTheImageWithoutMoving)
{
    struct Case {
        UINT id;
        int cx, cy;
    };
    for (const Case& c : {Case{IDB_BTN_CLOSE, 35, 35}, Case{IDB_BTN_MINIMIZE, 30, 30}, Case{IDB_BTN_SITE, 90, 40},
                          Case{IDB_LOADING_1, 174, 44}}) {
        auto b = Make(IDB_BTN_FORUM);
        b->MoveWindow(200, 150, 132, 38);
        b->SetImage(c.id);
        RECT r = Rect(*b);
        EXPECT_EQ(r.left, 200) << c.id;
        EXPECT_EQ(r.top, 150) << c.id;
        EXPECT_EQ(r.right - r.left, c.cx) << c.id;
        EXPECT_EQ(r.bottom - r.top, c.cy) << c.id;
        EXPECT_EQ(b->m_nWidth, static_cast<UINT>(c.cx));
        EXPECT_EQ(b->m_pOldImage, nullptr);
    }
}

TEST_F(ImageButton, MissingImageKeepsImageSizeAndPlace)
{
    auto b = Make(IDB_BTN_CLOSE);
    b->MoveWindow(300, 200, 35, 35);
    Image* before = b->m_pImage;
    b->SetImage(144);
    EXPECT_EQ(b->m_pImage, before);
    EXPECT_EQ(b->m_pOldImage, nullptr);
    EXPECT_EQ(b->m_nWidth, 35u);
    RECT r = Rect(*b);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.right - r.left, 35);
}

TEST_F(ImageButton, RgbImageIsShownOpaque)
{
    CBackdrop white({390, 290, 520, 360}, RGB(255, 255, 255));
    auto b = Make(IDB_BTN_SITE);
    b->MoveWindow(400, 300, 90, 40, FALSE);
    b->SetImage(IDB_BTN_SITE);  // repaint at the new place
    b->ShowWindow(SW_SHOWNOACTIVATE);
    // Every corner of the plate covers the white backdrop completely.  The
    // backdrop shows until the plate reaches the screen, so this waits for
    // the corners (a corner that stays white fails after the wait).
    const POINT corners[] = {{400, 300}, {489, 300}, {400, 339}, {489, 339}};
    PumpUntil([&] {
        for (POINT p : corners)
            if (ScreenPixel(p.x, p.y) == 0xFFFFFFu)
                return false;
        return true;
    });
    for (POINT p : corners)
        EXPECT_NE(ScreenPixel(p.x, p.y), 0xFFFFFFu) << p.x << "," << p.y;
}

TEST_F(ImageButton, MouseMoveShowsTheHandOverEveryInstance)
{
    HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
    for (UINT id : {IDB_BTN_SITE, IDB_BTN_CLOSE, IDB_BTN_MINIMIZE, IDB_LOADING_3}) {
        auto b = Make(id);
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        b->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(::GetCursor(), hand) << id;
    }
}

TEST_F(ImageButton, LinkButtonsOpenTheirAddressOnEveryPress)
{
    CUrlHandlerRedirect browser;
    struct Case {
        UINT image;
        UINT address;
    };
    const Case cases[] = {
        {IDB_BTN_SITE, IDS_SITE_URL},
        {IDB_BTN_TOPUP, IDS_TOPUP_URL},
        {IDB_BTN_FORUM, IDS_FORUM_URL},
        {IDB_BTN_SERVICE, IDS_SERVICE_URL},
    };
    std::vector<std::wstring> expected;
    for (const Case& c : cases) {
        auto b = Make(c.image);
        CString address;
        address.LoadString(c.address);
        Press(*b);
        Press(*b);
        expected.push_back(address.GetString());
        expected.push_back(address.GetString());
        EXPECT_EQ(browser.WaitForAddresses(expected.size()), expected);
    }
    EXPECT_EQ(owner.closes, 0);
}

TEST_F(ImageButton, MinimizeMinimizesTheOwner)
{
    auto b = Make(IDB_BTN_MINIMIZE);
    Press(*b);
    EXPECT_TRUE(owner.IsIconic());
    owner.ShowWindow(SW_RESTORE);
}

TEST_F(ImageButton, CloseAsksAndClosesTheMainWindowOnYesOnly)
{
    auto b = Make(IDB_BTN_CLOSE);
    struct Case {
        int answer;
        int closes;
    };
    int total = 0;
    for (const Case& c : {Case{IDNO, 0}, Case{IDYES, 1}}) {
        SeenMessageBox seen;
        {
            CMessageBoxAnswer answer(c.answer, &seen);
            Press(*b);
        }
        total += c.closes;
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.text, L"游戏正在登陆，是否确定退出？");
        EXPECT_EQ(seen.caption, L"提示");
        EXPECT_EQ(seen.owner, owner.m_hWnd);
        EXPECT_TRUE(seen.hasYes);
        EXPECT_TRUE(seen.hasNo);
        EXPECT_FALSE(seen.hasOk);
        EXPECT_FALSE(seen.hasCancel);
        EXPECT_EQ(owner.closes, total) << "answer " << c.answer;
        EXPECT_TRUE(owner.IsWindowVisible());
    }
}

TEST_F(ImageButton, LoadingFrameAndUnknownIdsDoNothing)
{
    CUrlHandlerRedirect browser;
    for (int action : {IDB_LOADING_1, IDB_LOADING_4, IDB_BTN_CLOSE_HOVER, 144, 149, 0, 9999}) {
        auto b = Make(IDB_LOADING_1);
        b->m_nAction = action;
        Press(*b);
        PumpMessages();
        EXPECT_EQ(FindThreadMessageBox(), nullptr) << action;
        EXPECT_FALSE(owner.IsIconic()) << action;
    }
    EXPECT_EQ(owner.closes, 0);
    // A bounded negative check: no address reaches the shell within 500 ms.
    EXPECT_TRUE(IsEmpty(browser.WaitForAddresses(1, 500)));
}

}  // namespace
