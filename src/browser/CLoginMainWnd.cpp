#include "CLoginMainWnd.h"
#include "MinimizedIcon.h"
#include "AttachUIController.h"
#include "CWinApp.h"
#include "DDX.h"
#include "LauncherMessages.h"
#include "WebBrowserDispids.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CLoginMainWnd, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CLoginMainWnd, CDialog)
ON_EVENT(CLoginMainWnd, IDC_GAME_BROWSER, DISPID_DOCUMENTCOMPLETE, OnDocumentComplete, VTS_DISPATCH VTS_PVARIANT)
ON_EVENT(CLoginMainWnd, IDC_GAME_BROWSER, DISPID_TITLECHANGE, OnTitleChange, VTS_BSTR)
END_EVENTSINK_MAP()

CLoginMainWnd::CLoginMainWnd(CWnd* pParent)
    : CDialog(IDD_GAME_WINDOW, pParent), m_bRevealPending(FALSE), m_bGameShown(FALSE)
{
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAIN_ICON));
}

CLoginMainWnd::~CLoginMainWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

void CLoginMainWnd::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GAME_BROWSER, m_wndBrowser);
}

BOOL CLoginMainWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_wndBrowser.MoveWindow(0, 0, 1, 1, TRUE);
    m_wndBrowser.put_Silent(TRUE);

    AttachUIController(m_wndBrowser, m_uiController);

    CString url, title;
    url.LoadString(IDS_LOGIN_URL);
    title.LoadString(IDS_WINDOW_TITLE);
    m_wndBrowser.Navigate(url, nullptr, nullptr, nullptr, nullptr);
    SetWindowText(title);
    return TRUE;
}

void CLoginMainWnd::OnDocumentComplete(LPDISPATCH, VARIANT*)
{
    // Any finished document, a frame's included, reveals a pending window.
    if (!m_bRevealPending)
        return;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | WS_MINIMIZEBOX);
    CRect r;
    GetWindowRect(&r);
    SetWindowPos(HWND_TOP, r.left, r.top, r.Width(), r.Height(), SWP_FRAMECHANGED);
    FitBrowser();
    m_bRevealPending = FALSE;
    m_bGameShown = TRUE;
    ShowWindow(SW_SHOW);
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_LAUNCHER_PHASE, LAUNCHER_PHASE_PAGE_READY, 0);
}

void CLoginMainWnd::FitBrowser()
{
    // The outer rectangle in client coordinates: the browser reaches the
    // window's outer right and bottom edges, and the frame clips the rest.
    CRect r;
    GetWindowRect(&r);
    ScreenToClient(&r);
    m_wndBrowser.MoveWindow(0, 0, r.right, r.bottom, TRUE);
    m_wndBrowser.ShowWindow(SW_SHOW);
}

void CLoginMainWnd::OnSize(UINT, int, int)
{
    Default();
    if (m_bGameShown)
        FitBrowser();
}

void CLoginMainWnd::OnTitleChange(LPCWSTR text)
{
    SetWindowText(text);
}

void CLoginMainWnd::OnClose()
{
    if (MessageBox(L"游戏正在运行中，是否确定退出？", L"提示", MB_YESNO) == IDNO)
        return;
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_CLOSE, 0, 0);
}

BOOL CLoginMainWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == VK_ESCAPE)
            return TRUE;
        if (pMsg->wParam == VK_RETURN)
            return FALSE;  // to the page, without dialog keyboard handling
        if (pMsg->wParam == VK_F5) {
            m_wndBrowser.Refresh();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CLoginMainWnd::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    AfxPaintMinimizedIcon(this, m_hIcon);
}

HCURSOR CLoginMainWnd::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

BOOL CLoginMainWnd::DestroyWindow()
{
    m_uiController.SetWebBrowser(nullptr);
    return CDialog::DestroyWindow();
}

void CLoginMainWnd::OnDestroy()
{
    m_uiController.SetWebBrowser(nullptr);
    Default();
}
