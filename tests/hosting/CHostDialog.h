// CHostDialog: a dialog built on one of the tests' templates, hosting its
// controls the way the product's browser windows do: DDX_Control attaches
// m_wndBrowser to control IDC_HOST_BROWSER, and the event sink map takes
// DocumentComplete, NewWindow2 and TitleChange from that control only.
#pragma once
#include "CDialog.h"
#include "EventSinkMap.h"
#include "HostingIds.h"
#include <string>
#include <vector>

class CHostDialog : public CDialog {
public:
    explicit CHostDialog(UINT nIDTemplate) : CDialog(nIDTemplate) {}

    CWnd m_wndBrowser;

    // What the handlers saw, one line per event.
    std::vector<std::wstring> m_events;
    IUnknown* m_pLastObject = nullptr;  // identity only; no reference kept
    BOOL m_bCancelAnswer = FALSE;       // what OnNewWindow2 writes into Cancel
    BOOL m_bCancelSeen = TRUE;          // what Cancel held when it came in
    // Whether the control's site was in place when OnInitDialog ran.
    BOOL m_bSiteAtInit = FALSE;

    void OnDocumentComplete(LPDISPATCH pDisp, VARIANT* URL);
    void OnNewWindow2(LPDISPATCH* ppDisp, BOOL* Cancel);
    void OnTitleChange(LPCWSTR text);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_EVENTSINK_MAP()
};

// The COM identity of p (its IUnknown), with no reference kept.
IUnknown* IdentityOf(IUnknown* p);
