// The control manager that AfxEnableControlContainer() turns on: dialogs
// whose templates name ActiveX controls get them created, loaded from
// their saved state and activated, and torn down with the dialog.
#include "OccManager.h"
#include "CDialog.h"
#include "COleControlContainer.h"
#include "CWinApp.h"
#include "DialogTemplateEx.h"
#include "DlgInitData.h"

namespace {

class COccManagerImpl : public COccManager {
public:
    const DLGTEMPLATE* PreCreateDialog(CDialog* pDlg, const DLGTEMPLATE* pTemplate) override;
    void PostCreateDialog(CDialog* pDlg) override { pDlg->m_pOccState.reset(); }
    BOOL CreateDlgControls(CDialog* pDlg) override;
    void OnDestroyContainer(CWnd* pWnd) override;
    BOOL PreTranslateAccelerator(CWnd* pWnd, MSG* pMsg) override;
};

const DLGTEMPLATE* COccManagerImpl::PreCreateDialog(CDialog* pDlg, const DLGTEMPLATE* pTemplate)
{
    // The template's size comes from its resource; a template found
    // anywhere else is not read past its header, so it stays as it is.
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceW(hInst, MAKEINTRESOURCEW(pDlg->GetTemplateId()), RT_DIALOG);
    HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    if (!hData || ::LockResource(hData) != pTemplate)
        return pTemplate;
    auto pState = std::make_unique<COccDialogState>();
    if (!AfxSplitOccTemplate(reinterpret_cast<const BYTE*>(pTemplate), ::SizeofResource(hInst, hRes), pState.get()))
        return pTemplate;
    pDlg->m_pOccState = std::move(pState);
    return reinterpret_cast<const DLGTEMPLATE*>(pDlg->m_pOccState->strippedTemplate.data());
}

BOOL COccManagerImpl::CreateDlgControls(CDialog* pDlg)
{
    if (!pDlg->m_pOccState || pDlg->m_pOccState->items.empty())
        return TRUE;
    if (!pDlg->m_pCtrlCont)
        pDlg->m_pCtrlCont = new COleControlContainer(pDlg);

    size_t cbInit = 0;
    const BYTE* pInit = AfxLoadDlgInitResource(AfxGetResourceHandle(), pDlg->GetTemplateId(), &cbInit);
    for (const COccControlItem& item : pDlg->m_pOccState->items) {
        RECT rc = item.rcDlgUnits;
        ::MapDialogRect(pDlg->m_hWnd, &rc);
        COccSavedState saved;
        BOOL bSaved = AfxFindOccSavedState(pInit, cbInit, item.id, &saved);
        pDlg->m_pCtrlCont->CreateControl(item.clsid, item.id, item.style, rc, bSaved ? &saved : nullptr);
    }
    return TRUE;
}

void COccManagerImpl::OnDestroyContainer(CWnd* pWnd)
{
    COleControlContainer* pCont = pWnd->m_pCtrlCont;
    pWnd->m_pCtrlCont = nullptr;
    delete pCont;  // tears its controls down first
}

BOOL COccManagerImpl::PreTranslateAccelerator(CWnd* pWnd, MSG* pMsg)
{
    return pWnd->m_pCtrlCont && pWnd->m_pCtrlCont->PreTranslateAccelerator(pMsg);
}

}  // namespace

COccManager* AfxGetDefaultOccManager()
{
    static COccManagerImpl s_manager;
    return &s_manager;
}
