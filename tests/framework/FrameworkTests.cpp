// Message maps, Default(), strings and the pre-translation walk.
#include "CDialog.h"
#include "CWinApp.h"
#include "Printers.h"
#include "Pump.h"
#include "TestApp.h"
#include "launcher_brand.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr UINT IDD_TEST_HIDDEN = 9001;
constexpr UINT IDD_TEST_VISIBLE = 9002;
constexpr UINT IDD_TEST_PARENT = 9003;

// A dialog whose map lists WM_CREATE, WM_APP and WM_SETTEXT only.
class CMapDialog : public CDialog {
public:
    int createResult = 0;
    int createCalls = 0;
    int appCalls = 0;
    bool callDefaultOnSetText = true;

    int OnCreate(LPCREATESTRUCTW)
    {
        ++createCalls;
        return createResult;
    }
    LRESULT OnApp(WPARAM w, LPARAM)
    {
        ++appCalls;
        return 40 + static_cast<LRESULT>(w);
    }
    LRESULT OnSetText(WPARAM, LPARAM) { return callDefaultOnSetText ? Default() : TRUE; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMapDialog, CDialog)
ON_WM_CREATE()
ON_MESSAGE(WM_APP, &CMapDialog::OnApp)
ON_MESSAGE(WM_SETTEXT, &CMapDialog::OnSetText)
END_MESSAGE_MAP()

TEST(MessageMap, RoutesOnlyListedMessages)
{
    CMapDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_HIDDEN));
    EXPECT_EQ(dlg.createCalls, 1) << "WM_CREATE reaches the map through the creation hook";

    EXPECT_EQ(dlg.SendMessage(WM_APP, 2), 42);
    EXPECT_EQ(dlg.appCalls, 1);
    EXPECT_EQ(dlg.SendMessage(WM_APP + 1, 2), 0) << "an unlisted message gets default processing";
    EXPECT_EQ(dlg.appCalls, 1);
    dlg.DestroyWindow();
}

TEST(MessageMap, DefaultReachesTheOriginalProcedure)
{
    struct Case {
        bool callDefault;
        const wchar_t* expected;
    };
    for (const Case& c : {Case{true, L"changed"}, Case{false, L""}}) {
        CMapDialog dlg;
        dlg.callDefaultOnSetText = c.callDefault;
        ASSERT_TRUE(dlg.Create(IDD_TEST_HIDDEN));
        dlg.SetWindowText(L"changed");
        EXPECT_STREQ(dlg.GetWindowText(), c.expected) << "Default() called: " << c.callDefault;
        dlg.DestroyWindow();
    }
}

TEST(MessageMap, CreateReturningMinusOneFailsCreation)
{
    CMapDialog dlg;
    dlg.createResult = -1;
    EXPECT_FALSE(dlg.Create(IDD_TEST_HIDDEN));
    EXPECT_EQ(dlg.createCalls, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(Strings, LoadStringOfMissingIdIsEmpty)
{
    CString s(L"previous");
    EXPECT_FALSE(s.LoadString(9999));
    EXPECT_EQ(s, L"");
    EXPECT_EQ(s.GetLength(), 0);

    CString title;
    EXPECT_TRUE(title.LoadString(164));
    EXPECT_EQ(title, L"" LAUNCHER_WINDOW_TITLE);
}

// Records each PreTranslateMessage call and answers as told.
struct WalkLog {
    std::vector<std::string> calls;
    std::string consumeAt;
};

template <class Base>
class CRecorder : public Base {
public:
    CRecorder(const char* name, WalkLog* log) : m_name(name), m_log(log) {}
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        m_log->calls.push_back(m_name);
        return m_log->consumeAt == m_name;
    }
private:
    std::string m_name;
    WalkLog* m_log;
};

class PreTranslateWalk : public ::testing::Test {
protected:
    WalkLog log;
    CRecorder<CDialog> main{"main", &log};
    CRecorder<CDialog> popup{"popup", &log};
    CRecorder<CWnd> child{"child", &log};
    CMainWndScope scope{&main};

    void SetUp() override
    {
        ASSERT_TRUE(main.Create(IDD_TEST_VISIBLE));
        ASSERT_TRUE(popup.Create(IDD_TEST_PARENT));  // owned by main
        ASSERT_TRUE(child.SubclassWindow(popup.GetDlgItem(100)));
        PumpMessages();
    }
    void TearDown() override
    {
        popup.DestroyWindow();
        main.DestroyWindow();
    }

    // Posts a key to hWnd and runs the walk on it as the modal loop does.
    BOOL Walk(HWND hWnd)
    {
        log.calls.clear();
        PumpMessages();
        ::PostMessageW(hWnd, WM_KEYDOWN, 'A', 0);
        MSG msg;
        EXPECT_TRUE(::PeekMessageW(&msg, hWnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
        return AfxPreTranslateMessage(&msg);
    }
};

TEST_F(PreTranslateWalk, GoesFromChildThroughOwnerToMainAndStopsAtFirstTrue)
{
    struct Case {
        const char* consumeAt;
        std::vector<std::string> expected;
        BOOL consumed;
    };
    const Case cases[] = {
        {"", {"child", "popup", "main"}, FALSE},
        {"child", {"child"}, TRUE},
        {"popup", {"child", "popup"}, TRUE},
        {"main", {"child", "popup", "main"}, TRUE},
    };
    for (const Case& c : cases) {
        log.consumeAt = c.consumeAt;
        EXPECT_EQ(Walk(child.m_hWnd), c.consumed) << "consumed at " << c.consumeAt;
        EXPECT_EQ(log.calls, c.expected) << "consumed at " << c.consumeAt;
    }
}

TEST_F(PreTranslateWalk, WindowWithoutObjectStillReachesMainFilter)
{
    EXPECT_FALSE(Walk(popup.GetDlgItem(101)));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"popup", "main"}));

    HWND stray = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(Walk(stray));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"main"})) << "a window outside the family";
    ::DestroyWindow(stray);
}

}  // namespace
