// CDialog: a window built from a dialog template in the executable's
// resources, run modeless (Create) or as the application's one modal loop
// (DoModal).
#pragma once
#include "CWnd.h"
#include "OccDialogState.h"
#include <memory>

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};


class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
    {
    }
    ~CDialog() override;

    // Modeless creation.  With no parent the application's main window
    // becomes the owner, so the dialog is an owned pop-up.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog as the application's message loop until EndDialog;
    // then calls DestroyWindow once, also when creation failed.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    UINT GetTemplateId() const { return m_nIDTemplate; }

    // The container keeps what it took out of this dialog's template here.
    std::unique_ptr<COccDialogState> m_pOccState;

protected:
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(HWND hWndOwner);
    void RunModalLoop();

    BOOL m_bContinueModal = FALSE;
    INT_PTR m_nModalResult = -1;

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The thread's modal loop hands each message to this walk before dispatch:
// from the target window up through parents and owners to the main window.
BOOL AfxPreTranslateMessage(MSG* pMsg);

// Window-creation hooks this thread has installed and not yet removed: 0
// whenever no dialog is being created.
int AfxGetCreateHookCount();
