// The hook points through which dialogs host ActiveX controls.  The
// control container implements them; with hosting off (no manager) dialogs
// are built from their templates unchanged.
#pragma once
#include <windows.h>

class CWnd;
class CDialog;

class COccManager {
public:
    virtual ~COccManager() = default;

    // Takes the ActiveX items out of a dialog template before the dialog
    // manager sees it.  Returns the template to create the dialog from:
    // pTemplate itself when it names no control, else a copy owned by the
    // manager until PostCreateDialog.
    virtual const DLGTEMPLATE* PreCreateDialog(CDialog* pDlg, const DLGTEMPLATE* pTemplate) = 0;
    virtual void PostCreateDialog(CDialog* pDlg) = 0;

    // Creates the dialog's ActiveX controls; called on WM_INITDIALOG before
    // the dialog's OnInitDialog runs.
    virtual BOOL CreateDlgControls(CDialog* pDlg) = 0;

    // Tears down the controls of a window that is being destroyed.
    virtual void OnDestroyContainer(CWnd* pWnd) = 0;

    // Offers a keyboard message aimed at a hosted control to the control's
    // in-place active object; TRUE when the control consumed it.
    virtual BOOL PreTranslateAccelerator(CWnd* pWnd, MSG* pMsg) = 0;
};

extern COccManager* afxOccManager;

// The container's own manager, used by AfxEnableControlContainer().
COccManager* AfxGetDefaultOccManager();
