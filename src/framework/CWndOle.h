// Hosting an ActiveX control in a window without a dialog template.
//
// AfxCreateControl(pWrapper, clsid, name, style, rect, pParent, nID) makes
// the control as a child of pParent at rect (pixels, pParent's client
// coordinates) with id nID, in-place activates it and attaches pWrapper to
// its window and site, as DDX_Control does for template controls.  The
// control is shown only when style has WS_VISIBLE.  It lives until pParent
// is destroyed.  Needs hosting on (AfxEnableControlContainer).  name is the
// window name of the MFC call and is not used: controls name themselves.
#pragma once
#include "CWnd.h"

BOOL AfxCreateControl(CWnd* pWrapper, REFCLSID clsid, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID);

// Links a wrapper to a hosted control's site and window; FALSE when the
// wrapper is already attached or the window already has an object.
BOOL AfxAttachControlWrapper(CWnd& rWrapper, COleControlSite* pSite);
