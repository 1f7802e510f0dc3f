// COleControlContainer: the ActiveX controls one window hosts.  It is made
// when the window's first control is created, hung on the window's
// m_pCtrlCont, and deleted by the control manager when the window is
// destroyed, after every site has been torn down.
//
// It holds one reference on each of its sites, routes their controls'
// events to the window's event sink map, and offers keyboard messages to
// the control they are aimed at.
#pragma once
#include "DlgInitData.h"
#include <oaidl.h>
#include <vector>

class CWnd;
class COleControlSite;

class COleControlContainer {
public:
    explicit COleControlContainer(CWnd* pWnd);
    ~COleControlContainer();
    COleControlContainer(const COleControlContainer&) = delete;
    COleControlContainer& operator=(const COleControlContainer&) = delete;

    // Initialises OLE on the thread, once for the process' life, before the
    // first control is made.
    static BOOL EnsureOle();

    // Creates one control at rcPos (pixels, client coordinates of the
    // window) and keeps its site; null when the control could not be made.
    COleControlSite* CreateControl(REFCLSID clsid, UINT nID, DWORD dwStyle, const RECT& rcPos,
                                   const COccSavedState* pSaved);

    COleControlSite* FindSite(UINT nID) const;
    // The site whose control window is hWnd or holds it.
    COleControlSite* FindSiteForWindow(HWND hWnd) const;

    BOOL PreTranslateAccelerator(MSG* pMsg);
    // An event of control nID: first the window's OnEvent, then its event
    // sink map.
    void FireEvent(UINT nID, DISPID dispid, DISPPARAMS* pParams);

    // The window's client area changed size: each control gets its new clip.
    void OnSized();

    // Tears every control down, in creation order, and lets go of the sites.
    void Teardown();

    size_t GetSiteCount() const { return m_sites.size(); }

private:
    CWnd* m_pWnd;
    std::vector<COleControlSite*> m_sites;  // one reference each
};
