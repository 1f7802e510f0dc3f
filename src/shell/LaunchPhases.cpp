// The main window's child windows: their creation, in a fixed order, each
// an owned pop-up of the main window.
#include "CkelvorDlg.h"
#include "CTestButton.h"
#include "resource.h"

namespace {

CTestButton* CreateImageWindow(CWnd* pParent, UINT nImage)
{
    CTestButton* p = new CTestButton(pParent);
    p->Create(IDD_IMAGE_BUTTON);   // no parent: owned by the main window
    p->SetImage(nImage);
    p->m_nAction = static_cast<int>(nImage);
    return p;
}

} // namespace

void CkelvorDlg::CreateChildWindows()
{
    m_pBtnSite = CreateImageWindow(this, IDB_BTN_SITE);
    m_pBtnTopUp = CreateImageWindow(this, IDB_BTN_TOPUP);
    m_pBtnForum = CreateImageWindow(this, IDB_BTN_FORUM);
    m_pBtnService = CreateImageWindow(this, IDB_BTN_SERVICE);
    m_pBtnClose = CreateImageWindow(this, IDB_BTN_CLOSE);
    m_pBtnMinimize = CreateImageWindow(this, IDB_BTN_MINIMIZE);
    m_pLoading1 = CreateImageWindow(this, IDB_LOADING_1);
    m_pLoading2 = CreateImageWindow(this, IDB_LOADING_2);
    m_pLoading3 = CreateImageWindow(this, IDB_LOADING_3);
    m_pLoading4 = CreateImageWindow(this, IDB_LOADING_4);
}

void CkelvorDlg::DestroyBrowserWindows()
{
}
