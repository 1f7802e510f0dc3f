// The main window: creation, initialisation, painting, dragging, the
// keyboard filter, closing and destruction.
#include "CkelvorDlg.h"
#include "MinimizedIcon.h"
#include "CWinApp.h"
#include "CLoginMainWnd.h"
#include "CTestButton.h"
#include "CWebWnd.h"
#include "LauncherMessages.h"
#include "PngResource.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CkelvorDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_LBUTTONDOWN()
ON_WM_CREATE()
ON_WM_MOVE()
ON_MESSAGE(WM_LAUNCHER_PHASE, &CkelvorDlg::OnLauncherPhase)
ON_WM_CLOSE()
ON_WM_TIMER()
END_MESSAGE_MAP()

CkelvorDlg::CkelvorDlg()
    : CDialog(IDD_MAIN, nullptr), m_pLoginPane(nullptr), m_pGameWnd(nullptr), m_pBtnSite(nullptr), m_pBtnTopUp(nullptr),
      m_pBtnForum(nullptr), m_pBtnService(nullptr), m_pBtnClose(nullptr), m_pBtnMinimize(nullptr), m_pLoading1(nullptr),
      m_pLoading2(nullptr), m_pLoading3(nullptr), m_pLoading4(nullptr), m_blend(BLEND_HIDDEN), m_pSkin(nullptr),
      m_nWidth(0), m_nHeight(0)
{
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAIN_ICON));
}

CkelvorDlg::~CkelvorDlg() = default;

int CkelvorDlg::OnCreate(LPCREATESTRUCTW)
{
    CString title;
    title.LoadString(IDS_WINDOW_TITLE);
    if (Default() == -1)
        return -1;
    SetWindowText(title);

    // The launcher's other windows: created hidden, owned by this one.
    CreateChildWindows();
    return 0;
}

void CkelvorDlg::CenterOnScreen()
{
    // Signed halving: a skin larger than the screen gets negative offsets.
    int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    m_nWidth = m_pSkin->GetWidth();
    m_nHeight = m_pSkin->GetHeight();
    int x = (cxScreen - static_cast<int>(m_nWidth)) / 2;
    int y = (cyScreen - static_cast<int>(m_nHeight)) / 2;
    // Neither NOZORDER nor NOACTIVATE: the window is raised and activated.
    SetWindowPos(HWND_TOP, x, y, static_cast<int>(m_nWidth), static_cast<int>(m_nHeight), SWP_FRAMECHANGED);
}

BOOL CkelvorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetTimer(ID_TIMER_LOADING, 1000, nullptr);
    m_blend = BLEND_HIDDEN;

    m_pSkin = LoadPngResource(IDB_SKIN);
    if (!m_pSkin)
        return TRUE;  // template size, not layered, no frame: silent

    CenterOnScreen();
    PaintLayered(m_hWnd, m_pSkin, m_nWidth, m_nHeight, m_blend);
    if (m_pLoading1)
        m_pLoading1->ShowWindow(SW_SHOW);
    return TRUE;
}

void CkelvorDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    AfxPaintMinimizedIcon(this, m_hIcon);
}

HCURSOR CkelvorDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CkelvorDlg::OnLButtonDown(UINT, CPoint)
{
    // Full-window dragging makes every step of the drag a WM_MOVE, so the
    // pop-ups follow the skin.  Set for the logon session only.
    ::SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
    SendMessage(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    Default();
}

BOOL CkelvorDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == VK_ESCAPE)
            return TRUE;  // Escape never closes the launcher
        if (pMsg->wParam == VK_RETURN)
            return FALSE;  // dispatched as is: no default button
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CkelvorDlg::OnClose()
{
    // The dialog's default turns this into IDCANCEL, which ends the run.
    Default();
}

namespace {

// Destroys a child through its own DestroyWindow (so a browser window
// detaches its controller first), then deletes the object.
template <class T>
void DestroyChild(T*& p)
{
    if (!p)
        return;
    if (p->m_hWnd)
        p->DestroyWindow();
    delete p;
    p = nullptr;
}

}  // namespace

BOOL CkelvorDlg::DestroyWindow()
{
    DestroyChild(m_pLoginPane);
    DestroyChild(m_pGameWnd);
    delete m_pSkin;
    m_pSkin = nullptr;
    DestroyChild(m_pBtnSite);
    DestroyChild(m_pBtnTopUp);
    DestroyChild(m_pBtnForum);
    DestroyChild(m_pBtnService);
    DestroyChild(m_pBtnMinimize);
    DestroyChild(m_pBtnClose);
    DestroyChild(m_pLoading1);
    DestroyChild(m_pLoading2);
    DestroyChild(m_pLoading3);
    DestroyChild(m_pLoading4);
    return CDialog::DestroyWindow();
}
