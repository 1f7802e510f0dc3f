// The main window's child windows and the launch phases: creating the
// twelve owned pop-ups, the phase message, and the loading animation.
#include "CkelvorDlg.h"
#include "CLoginMainWnd.h"
#include "CTestButton.h"
#include "CWebWnd.h"
#include "LauncherMessages.h"
#include "resource.h"

namespace {

CTestButton* CreateImageWindow(CWnd* pParent, UINT nImage)
{
    CTestButton* p = new CTestButton(pParent);
    p->Create(IDD_IMAGE_BUTTON);  // no parent: owned by the main window
    p->SetImage(nImage);
    p->m_nAction = static_cast<int>(nImage);
    return p;
}

void Show(CWnd* p, int nCmdShow)
{
    if (p)
        p->ShowWindow(nCmdShow);
}

}  // namespace

void CkelvorDlg::CreateChildWindows()
{
    // Each pointer is stored before the next window is built, so whatever
    // a window does while it is created finds the earlier ones in place.
    m_pLoginPane = new CWebWnd(this);
    m_pLoginPane->Create(IDD_LOGIN_PANE);
    m_pGameWnd = new CLoginMainWnd(this);
    m_pGameWnd->Create(IDD_GAME_WINDOW);
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

void CkelvorDlg::ResetLoadingFrames(int nCmdShow)
{
    Show(m_pLoading1, nCmdShow);
    Show(m_pLoading2, SW_HIDE);
    Show(m_pLoading3, SW_HIDE);
    Show(m_pLoading4, SW_HIDE);
}

LRESULT CkelvorDlg::OnLauncherPhase(WPARAM wParam, LPARAM)
{
    if (!m_pGameWnd)
        return 0;
    if (wParam != LAUNCHER_PHASE_PAGE_READY) {  // any other value: an address
        HandOver();
        return 0;
    }
    if (m_pGameWnd->m_bGameShown) {
        ResetLoadingFrames(SW_HIDE);  // stop
        return 0;
    }
    if (!m_pGameWnd->m_bRevealPending)
        Reveal();
    Follow();
    return 0;
}

void CkelvorDlg::HandOver()
{
    m_pGameWnd->m_wndBrowser.Navigate(m_pLoginPane ? m_pLoginPane->m_strLoginUrl : CString(), nullptr, nullptr, nullptr,
                                      nullptr);
    Show(m_pBtnSite, SW_HIDE);
    Show(m_pBtnTopUp, SW_HIDE);
    Show(m_pBtnForum, SW_HIDE);
    Show(m_pBtnService, SW_HIDE);
    Show(m_pBtnMinimize, SW_HIDE);
    Show(m_pBtnClose, SW_HIDE);
    Show(m_pLoginPane, SW_HIDE);
    ShowWindow(SW_HIDE);  // for the rest of the run
    m_pGameWnd->m_bRevealPending = TRUE;
    m_pGameWnd->ShowWindow(SW_HIDE);
    // The frames are windows of their own: they show while this one is
    // hidden, where the last move put them.
    ResetLoadingFrames(SW_SHOW);
}

void CkelvorDlg::Reveal()
{
    ResetLoadingFrames(SW_HIDE);
    Show(m_pLoginPane, SW_SHOW);
    Show(m_pBtnSite, SW_SHOW);
    Show(m_pBtnTopUp, SW_SHOW);
    Show(m_pBtnForum, SW_SHOW);
    Show(m_pBtnClose, SW_SHOW);
    Show(m_pBtnService, SW_SHOW);
    Show(m_pBtnMinimize, SW_SHOW);
    m_blend = BLEND_VISIBLE;
    if (!m_pSkin)
        return;
    // Back to the centre of the screen, even after a drag; the move puts
    // the pop-ups in place.
    CenterOnScreen();
    PaintLayered(m_hWnd, m_pSkin, m_nWidth, m_nHeight, m_blend);
}

void CkelvorDlg::Follow()
{
    // The hidden game window loads whatever the login pane shows now.
    CString address = m_pLoginPane ? m_pLoginPane->m_wndBrowser.get_LocationURL() : CString();
    m_pGameWnd->m_wndBrowser.Navigate(address, nullptr, nullptr, nullptr, nullptr);
}

void CkelvorDlg::OnTimer(UINT_PTR)
{
    // The first visible frame hands over to the next: 1, 2, 3, 4, 1.
    CTestButton* frames[4] = {m_pLoading1, m_pLoading2, m_pLoading3, m_pLoading4};
    for (int i = 0; i < 4; ++i) {
        if (frames[i] && frames[i]->IsWindowVisible()) {
            frames[i]->ShowWindow(SW_HIDE);
            Show(frames[(i + 1) % 4], SW_SHOW);
            break;
        }
    }
    Default();
}
