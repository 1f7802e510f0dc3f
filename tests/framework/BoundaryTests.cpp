// What the framework guarantees at its edges: a dialog created inside
// another dialog's creation leaves no creation hook behind, and no C++
// exception thrown by a handler leaves a window procedure or the modal loop.
#include "CDialog.h"
#include "CWinApp.h"
#include "Pump.h"
#include "TestApp.h"
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr UINT IDD_TEST_HIDDEN = 9001;
constexpr UINT IDD_TEST_VISIBLE = 9002;

// Counts the WM_CREATE its map receives; creates `inner` more dialogs of
// its own kind from inside its WM_CREATE, as the main window makes its
// pop-ups.
class CNestingDialog : public CDialog {
public:
    explicit CNestingDialog(int inner) : m_inner(inner) {}
    int createCalls = 0;
    std::vector<std::unique_ptr<CNestingDialog>> children;

    int OnCreate(LPCREATESTRUCTW)
    {
        ++createCalls;
        int result = static_cast<int>(Default());
        for (int i = 0; i < m_inner; ++i) {
            children.push_back(std::make_unique<CNestingDialog>(0));
            children.back()->Create(IDD_TEST_HIDDEN);
        }
        return result;
    }
    DECLARE_MESSAGE_MAP()

private:
    int m_inner;
};

BEGIN_MESSAGE_MAP(CNestingDialog, CDialog)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(CreationHook, NestedCreationsLeaveNoHookInstalled)
{
    ASSERT_EQ(AfxGetCreateHookCount(), 0);
    CNestingDialog main(12);
    CMainWndScope scope(&main);
    ASSERT_TRUE(main.Create(IDD_TEST_HIDDEN));
    EXPECT_EQ(AfxGetCreateHookCount(), 0) << "the outer creation's hook outlived it";

    EXPECT_EQ(main.createCalls, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(main.m_hWnd), &main);
    ASSERT_EQ(main.children.size(), 12u);
    for (const auto& child : main.children) {
        EXPECT_EQ(child->createCalls, 1) << "WM_CREATE reaches each inner dialog's map";
        EXPECT_EQ(CWnd::FromHandlePermanent(child->m_hWnd), child.get());
        EXPECT_EQ(::GetWindow(child->m_hWnd, GW_OWNER), main.m_hWnd);
    }

    // A window made afterwards, outside the framework, is nobody's.
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    ::DestroyWindow(plain);
    for (const auto& child : main.children)
        child->DestroyWindow();
    main.DestroyWindow();
}

// Handlers that throw, as an allocation that fails would.
class CThrowingDialog : public CDialog {
public:
    explicit CThrowingDialog(UINT id = 0) : CDialog(id) {}
    bool throwOnCreate = false;
    bool postOnInit = false;
    int appCalls = 0;

    int OnCreate(LPCREATESTRUCTW)
    {
        if (throwOnCreate)
            throw std::bad_alloc();
        return static_cast<int>(Default());
    }
    LRESULT OnApp(WPARAM wParam, LPARAM)
    {
        ++appCalls;
        if (wParam == 1)
            throw std::bad_alloc();
        return 7;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_APP + 1)
            throw std::bad_alloc();
        return CDialog::PreTranslateMessage(pMsg);
    }
    // Queued before a modal run: a message whose filter throws, then the end.
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (postOnInit) {
            PostMessage(WM_APP + 1);
            PostMessage(WM_APP + 2);
        }
        return TRUE;
    }
    LRESULT OnEnd(WPARAM, LPARAM)
    {
        EndDialog(5);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingDialog, CDialog)
ON_WM_CREATE()
ON_MESSAGE(WM_APP, &CThrowingDialog::OnApp)
ON_MESSAGE(WM_APP + 2, &CThrowingDialog::OnEnd)
END_MESSAGE_MAP()

TEST(HandlerExceptions, EndTheirMessageNotTheProcess)
{
    CThrowingDialog dlg;
    CMainWndScope scope(&dlg);
    ASSERT_TRUE(dlg.Create(IDD_TEST_HIDDEN));
    EXPECT_EQ(dlg.SendMessage(WM_APP, 1), 0) << "the failed message answers 0";
    EXPECT_EQ(dlg.SendMessage(WM_APP, 0), 7) << "and the window goes on working";
    EXPECT_EQ(dlg.appCalls, 2);
    dlg.DestroyWindow();

    CThrowingDialog failing;
    failing.throwOnCreate = true;
    EXPECT_FALSE(failing.Create(IDD_TEST_HIDDEN)) << "a creation whose WM_CREATE threw fails";
    EXPECT_EQ(failing.m_hWnd, nullptr);
}

TEST(HandlerExceptions, TheModalLoopLosesTheMessageNotTheRun)
{
    CThrowingDialog run(IDD_TEST_VISIBLE);
    run.postOnInit = true;
    CMainWndScope scope(&run);
    EXPECT_EQ(run.DoModal(), 5) << "the run went on past the message whose filter threw";
}

}  // namespace
