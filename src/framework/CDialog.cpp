#include "CDialog.h"
#include "CWinApp.h"
#include "OccManager.h"
#include "OccDialogState.h"

namespace {

// The object waiting to be attached to the next window the thread creates,
// and the thread's one creation hook with the number of creations that
// need it.  A dialog may create dialogs from inside its own creation (the
// main window makes its pop-ups during WM_CREATE), so the hook is installed
// by the outermost creation and removed when that one ends.
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCbt = nullptr;
thread_local int t_nHookUsers = 0;
thread_local int t_nHooksInstalled = 0;

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pWndInit) {
        // Attaching here, before WM_NCCREATE, lets WM_CREATE reach the
        // object's message map: the dialog manager itself never passes
        // WM_CREATE to a dialog procedure.
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        try {
            pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
        } catch (...) {
            // Out of memory for the handle map: the window is made without
            // its object, and the creation reports failure.
        }
    }
    return ::CallNextHookEx(t_hHookCbt, code, wParam, lParam);
}

// One creation through the hook: installs it for the outermost creation,
// keeps the object an outer creation is waiting to attach, and puts both
// back when this creation ends.
class CCreateHookScope {
public:
    explicit CCreateHookScope(CWnd* pWnd) : m_pOuterInit(t_pWndInit)
    {
        if (t_nHookUsers++ == 0) {
            t_hHookCbt = ::SetWindowsHookExW(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
            if (t_hHookCbt)
                ++t_nHooksInstalled;
        }
        t_pWndInit = pWnd;
    }
    ~CCreateHookScope()
    {
        t_pWndInit = m_pOuterInit;
        if (--t_nHookUsers == 0 && t_hHookCbt) {
            if (::UnhookWindowsHookEx(t_hHookCbt))
                --t_nHooksInstalled;
            t_hHookCbt = nullptr;
        }
    }
    CCreateHookScope(const CCreateHookScope&) = delete;
    CCreateHookScope& operator=(const CCreateHookScope&) = delete;

private:
    CWnd* m_pOuterInit;
};

const DLGTEMPLATE* LoadDialogTemplate(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceW(hInst, MAKEINTRESOURCEW(nID), RT_DIALOG);
    if (!hRes)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    return hData ? static_cast<const DLGTEMPLATE*>(::LockResource(hData)) : nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::~CDialog() = default;

BOOL CDialog::CreateFromTemplate(HWND hWndOwner)
{
    const DLGTEMPLATE* pTemplate = LoadDialogTemplate(m_nIDTemplate);
    if (!pTemplate || m_hWnd)
        return FALSE;
    if (afxOccManager)
        pTemplate = afxOccManager->PreCreateDialog(this, pTemplate);

    HWND hWnd = nullptr;
    {
        CCreateHookScope hook(this);
        hWnd = ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), pTemplate, hWndOwner, AfxDlgProc, 0);
    }

    if (afxOccManager)
        afxOccManager->PostCreateDialog(this);
    // A failed creation has already destroyed the window and detached us.
    return hWnd != nullptr && m_hWnd == hWnd;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    CWnd* pOwner = pParentWnd ? pParentWnd : AfxGetMainWnd();
    return CreateFromTemplate(pOwner ? pOwner->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal()
{
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND hWndOwner = pOwner && pOwner != this ? pOwner->m_hWnd : nullptr;

    m_nModalResult = -1;
    m_bContinueModal = TRUE;
    if (CreateFromTemplate(hWndOwner)) {
        if (m_bContinueModal)
            RunModalLoop();
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bContinueModal = FALSE;
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (m_bContinueModal) {
        BOOL r = ::GetMessageW(&msg, nullptr, 0, 0);
        if (r == 0) {
            // WM_QUIT ends the run; repost it for whoever loops outside us.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (r < 0)
            break;
        try {
            if (!AfxPreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        } catch (...) {
            // A filter that failed loses its message, not the run.
        }
        // The dialog's window may be gone (destroyed by a handler).
        if (!m_hWnd)
            break;
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        if (m_hWnd)
            ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
    }
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (afxOccManager && afxOccManager->PreTranslateAccelerator(this, pMsg))
        return TRUE;
    // Only keyboard and mouse input is dialog input.
    bool isKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    bool isMouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    if (!isKey && !isMouse)
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    // Commands the dialog does not handle go on to the application.
    if (message == WM_COMMAND && lParam == 0 && AfxGetApp() && AfxGetApp()->OnCmdMsg(LOWORD(wParam))) {
        *pResult = 0;
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (!pDlg)
        return TRUE;
    try {
        if (afxOccManager)
            afxOccManager->CreateDlgControls(pDlg);
        return pDlg->OnInitDialog();
    } catch (...) {
        return TRUE;  // a dialog procedure is no place for an exception
    }
}

int AfxGetCreateHookCount()
{
    return t_nHooksInstalled;
}

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    CWnd* pMain = AfxGetMainWnd();
    if (!pMain || !pMain->m_hWnd)
        return FALSE;
    if (CWnd::WalkPreTranslateTree(pMain->m_hWnd, pMsg))
        return TRUE;
    // A message for a window outside the main window's family still gets
    // the main window's filter.
    HWND hWnd = pMsg->hwnd;
    while (hWnd && hWnd != pMain->m_hWnd)
        hWnd = ::GetParent(hWnd);
    if (!hWnd)
        return pMain->PreTranslateMessage(pMsg);
    return FALSE;
}
