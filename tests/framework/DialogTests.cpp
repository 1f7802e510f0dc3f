// Modeless creation, the modal run and the end of the main window.
#include "CDialog.h"
#include "CWinApp.h"
#include "Pump.h"
#include "TestApp.h"
#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_TEST_HIDDEN = 9001;
constexpr UINT IDD_TEST_VISIBLE = 9002;

TEST(ModelessDialog, WithoutParentIsOwnedPopupOfMainWindow)
{
    CDialog main;
    CMainWndScope scope(&main);
    ASSERT_TRUE(main.Create(IDD_TEST_VISIBLE));

    struct Case {
        UINT id;
        BOOL visible;
    };
    for (const Case& c : {Case{IDD_TEST_HIDDEN, FALSE}, Case{IDD_TEST_VISIBLE, TRUE}}) {
        CDialog dlg;
        ASSERT_TRUE(dlg.Create(c.id));
        EXPECT_EQ(::GetWindow(dlg.m_hWnd, GW_OWNER), main.m_hWnd) << c.id;
        EXPECT_TRUE(dlg.GetStyle() & WS_POPUP) << c.id;
        EXPECT_FALSE(dlg.GetStyle() & WS_CHILD) << c.id;
        EXPECT_EQ(dlg.IsWindowVisible(), c.visible) << c.id;
        dlg.DestroyWindow();
    }
    main.DestroyWindow();
}

// Ends its modal run from a message posted during initialisation and counts
// the framework's calls of DestroyWindow.
class CModalDialog : public CDialog {
public:
    explicit CModalDialog(UINT id) : CDialog(id) {}
    int destroyCalls = 0;
    UINT endWith = WM_APP;  // WM_APP: EndDialog(7); WM_CLOSE: close it
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(endWith);
        return TRUE;
    }
    BOOL DestroyWindow() override
    {
        ++destroyCalls;
        return CDialog::DestroyWindow();
    }
    LRESULT OnApp(WPARAM, LPARAM)
    {
        EndDialog(7);
        return 0;
    }
    int OnCreate(LPCREATESTRUCTW) { return failCreate ? -1 : static_cast<int>(Default()); }
    bool failCreate = false;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalDialog, CDialog)
ON_WM_CREATE()
ON_MESSAGE(WM_APP, &CModalDialog::OnApp)
END_MESSAGE_MAP()

TEST(ModalRun, EndsAtEndDialogAndDestroysOnce)
{
    CModalDialog dlg(IDD_TEST_VISIBLE);
    TestApp().m_pMainWnd = &dlg;
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_EQ(dlg.destroyCalls, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr) << "the main-window pointer goes with its window";
}

TEST(ModalRun, CloseBecomesCancel)
{
    CModalDialog dlg(IDD_TEST_VISIBLE);
    dlg.endWith = WM_CLOSE;
    CMainWndScope scope(&dlg);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.destroyCalls, 1);
}

TEST(ModalRun, FailedCreationStillCallsDestroyWindowOnce)
{
    struct Case {
        UINT id;
        bool failCreate;
    };
    for (const Case& c : {Case{9999, false}, Case{IDD_TEST_VISIBLE, true}}) {
        CModalDialog dlg(c.id);
        dlg.failCreate = c.failCreate;
        CMainWndScope scope(&dlg);
        EXPECT_EQ(dlg.DoModal(), -1) << c.id;
        EXPECT_EQ(dlg.destroyCalls, 1) << c.id;
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
}

}  // namespace
