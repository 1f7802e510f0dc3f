// CWebWnd: the login pane.  A borderless pop-up owned by the main window
// that shows the operator's login page.  It reports finished documents and
// Enter to the main window, and when the page asks for a new window it
// reads the game address from the page's "loginurl" input, reports it and
// cancels the new window.
#pragma once
#include "CDialog.h"
#include "CExplorer_l.h"
#include "CWebUIController.h"
#include "EventSinkMap.h"
#include <mshtml.h>

class CWebWnd : public CDialog {
public:
    explicit CWebWnd(CWnd* pParent = nullptr);
    // Deleted with its window still there, the window goes through
    // DestroyWindow first, while the controller and the browser exist.
    ~CWebWnd() override;

    CWebUIController m_uiController;
    CString m_strLoginUrl;     // the address last read from the page
    CExplorer_l m_wndBrowser;  // last member: destroyed before the controller

    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    // The value of the first input, in document order, whose name or id is
    // name, when that value is a string (up to its first NUL); else empty.
    static CString FindInputValue(IHTMLElementCollection* pCollection, LPCWSTR name);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Destroyed without DestroyWindow (its owner destroyed first, or a
    // DestroyWindow on its handle): the controller still lets go of the
    // browser before the container closes the control.
    void OnDestroy();

    void OnDocumentComplete(LPDISPATCH pDisp, VARIANT* URL);
    void OnNewWindow2(LPDISPATCH* ppDisp, BOOL* Cancel);
    void OnTitleChange(LPCWSTR text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
