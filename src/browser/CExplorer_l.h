// CExplorer_l: the window object of a hosted WebBrowser control, with the
// dispatch members the launcher calls on it.  Attached to the control by
// DDX_Control; every member goes through InvokeHelper, so on a wrapper with
// no control behind it each call quietly does nothing.
#pragma once
#include "CWnd.h"

class CExplorer_l : public CWnd {
public:
    // The WebBrowser control's class id.
    static const CLSID s_clsid;

    // Makes the control as a child of pParentWnd (when not made from a
    // dialog template).
    virtual BOOL Create(LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Starts loading URL in this control and returns at once; the optional
    // arguments may be null.
    void Navigate(LPCWSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData, VARIANT* Headers);
    void Refresh();
    CString get_LocationURL();
    // The current document, or null; the caller owns the reference.
    LPDISPATCH get_Document();
    void put_Silent(BOOL bNewValue);
    void put_StatusBar(BOOL bNewValue);
};
