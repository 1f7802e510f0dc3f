#include "DDX.h"
#include "COleControlContainer.h"
#include "COleControlSite.h"
#include "CWndOle.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!pDX || !pDX->m_pDlgWnd || rControl.m_hWnd || rControl.m_pCtrlSite)
        return;
    CWnd* pDlg = pDX->m_pDlgWnd;
    COleControlSite* pSite = pDlg->m_pCtrlCont ? pDlg->m_pCtrlCont->FindSite(static_cast<UINT>(nIDC)) : nullptr;
    if (pSite) {
        AfxAttachControlWrapper(rControl, pSite);
        return;
    }
    HWND hWnd = ::GetDlgItem(pDlg->m_hWnd, nIDC);
    if (hWnd)
        rControl.SubclassWindow(hWnd);
}
