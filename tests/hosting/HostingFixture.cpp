#include "HostingFixture.h"
#include "CWinApp.h"
#include <ole2.h>

void HostingTest::SetUp()
{
    m_bOle = SUCCEEDED(::OleInitialize(nullptr));
    ASSERT_TRUE(m_bOle);
    AfxEnableControlContainer();
    CFakeWebBrowser::Defaults() = CFakeWebBrowser::Settings();
    CFakeWebBrowser::ResetHistory();
    m_pRegistration = std::make_unique<CFakeBrowserRegistration>();
    ASSERT_EQ(S_OK, m_pRegistration->Result());
}

void HostingTest::TearDown()
{
    m_pRegistration.reset();
    CFakeWebBrowser::Defaults() = CFakeWebBrowser::Settings();
    if (m_bOle)
        ::OleUninitialize();
}

CFakeWebBrowser* HostingTest::ControlWithId(HWND hDlg, UINT nID)
{
    HWND hWnd = ::GetDlgItem(hDlg, static_cast<int>(nID));
    for (CFakeWebBrowser* p : CFakeWebBrowser::Instances()) {
        if (hWnd && p->Window() == hWnd)
            return p;
    }
    return nullptr;
}

RECT Mapped(HWND hDlg, RECT rcDlgUnits)
{
    ::MapDialogRect(hDlg, &rcDlgUnits);
    return rcDlgUnits;
}
