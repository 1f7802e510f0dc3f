#include "CTestButton.h"
#include "CWinApp.h"
#include "PngResource.h"
#include "resource.h"
#include <shellapi.h>

BEGIN_MESSAGE_MAP(CTestButton, CDialog)
ON_WM_MOUSEHOVER()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CTestButton::CTestButton(CWnd* pParent)
    : CDialog(IDD_IMAGE_BUTTON, pParent), m_blend(), m_pImage(nullptr), m_pOldImage(nullptr), m_nWidth(0), m_nHeight(0),
      m_nAction(0)
{
    // Width, height, blend and action start at zero rather than undefined:
    // a press that came before the creator set the action then does nothing.
}

CTestButton::~CTestButton()
{
    delete m_pImage;
    delete m_pOldImage;
}

BOOL CTestButton::PreTranslateMessage(MSG* pMsg)
{
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CTestButton::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Every instance, loading frames included, shows the hand while the
    // mouse moves over it.
    if (message == WM_MOUSEMOVE)
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CTestButton::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_blend = BLEND_VISIBLE;
    return TRUE;
}

void CTestButton::SetImage(UINT nID)
{
    if (m_pImage) {
        m_pOldImage = m_pImage;
        m_pImage = nullptr;
    }
    m_pImage = LoadPngResource(nID);
    if (!m_pImage) {
        m_pImage = m_pOldImage;
        m_pOldImage = nullptr;
        return;
    }

    RECT rc = {};
    GetWindowRect(&rc);
    m_nWidth = m_pImage->GetWidth();
    m_nHeight = m_pImage->GetHeight();
    SetWindowPos(nullptr, rc.left, rc.top, static_cast<int>(m_nWidth), static_cast<int>(m_nHeight), SWP_FRAMECHANGED);
    PaintLayered(m_hWnd, m_pImage, m_nWidth, m_nHeight, m_blend);

    // The old image goes only once the new one is on screen.
    delete m_pOldImage;
    m_pOldImage = nullptr;
}

void CTestButton::OnMouseHover(UINT, CPoint)
{
    Default();
}

void CTestButton::OpenAddress(const CString& address) const
{
    // Only ever one of the launcher's own addresses from the string table.
    ::ShellExecuteW(m_hWnd, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

void CTestButton::OnLButtonDown(UINT, CPoint)
{
    CString site, topUp, forum, service, confirm, caption;
    site.LoadString(IDS_SITE_URL);
    topUp.LoadString(IDS_TOPUP_URL);
    forum.LoadString(IDS_FORUM_URL);
    service.LoadString(IDS_SERVICE_URL);
    confirm.LoadString(IDS_CONFIRM_EXIT_LOGIN);
    caption.LoadString(IDS_PROMPT_CAPTION);

    switch (m_nAction) {
    case IDB_BTN_CLOSE:
        if (HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER)) {
            if (::MessageBoxW(hOwner, confirm, caption, MB_YESNO) == IDYES) {
                if (CWnd* pMain = AfxGetMainWnd())
                    pMain->SendMessage(WM_CLOSE, 0, 0);
            }
        }
        break;
    case IDB_BTN_SERVICE: OpenAddress(service); break;
    case IDB_BTN_SITE: OpenAddress(site); break;
    case IDB_BTN_TOPUP: OpenAddress(topUp); break;
    case IDB_BTN_FORUM: OpenAddress(forum); break;
    case IDB_BTN_MINIMIZE:
        if (HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER))
            ::ShowWindow(hOwner, SW_MINIMIZE);
        break;
    default: break;  // loading frames and every other id: no action
    }
    // The press is not passed on to default processing.
}
