// CLoginMainWnd: the game window.  A captioned, resizable top-level window
// with a second browser, owned by the main window.  It loads pages while
// hidden and reveals itself on the first finished document once the main
// window has handed it the game address; closing it asks first and then
// closes the whole launcher.
#pragma once
#include "CDialog.h"
#include "CExplorer_l.h"
#include "CWebUIController.h"
#include "EventSinkMap.h"

class CLoginMainWnd : public CDialog {
public:
    explicit CLoginMainWnd(CWnd* pParent = nullptr);
    // Deleted with its window still there, the window goes through
    // DestroyWindow first, while the controller and the browser exist.
    ~CLoginMainWnd() override;

    CWebUIController m_uiController;
    BOOL m_bRevealPending;  // set by the main window at a hand-over
    BOOL m_bGameShown;      // set at the first reveal, never cleared
    HICON m_hIcon;
    CExplorer_l m_wndBrowser;  // last member: destroyed before the controller

    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Destroyed without DestroyWindow (its owner destroyed first, or a
    // DestroyWindow on its handle): the controller still lets go of the
    // browser before the container closes the control.
    void OnDestroy();

    void OnDocumentComplete(LPDISPATCH pDisp, VARIANT* URL);
    void OnTitleChange(LPCWSTR text);

    // The browser from (0, 0) to the window's outer right and bottom edges,
    // then shown.
    void FitBrowser();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
