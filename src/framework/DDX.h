// Dialog data exchange for hosted controls.
#pragma once
#include "CDialog.h"

// Attaches rControl to control nIDC of the dialog: to its window (through
// SubclassWindow, so the wrapper's message map sees its messages) and, for
// a hosted ActiveX control, to its site, so GetControlUnknown and
// InvokeHelper reach the control.  A wrapper that is already attached is
// left as it is, so UpdateData may run more than once.  The site link is
// cut when the dialog tears its controls down.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
