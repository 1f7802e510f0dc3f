// A listener for what hosted controls ask of their sites.  Each interface
// member of a control site reports its name and its answer here, and
// QueryInterface reports the interface asked for.  With no listener set
// (the product never sets one) reporting costs a null test.
#pragma once
#include <windows.h>

typedef void (*AFX_OCC_TRACE)(LPCWSTR call, const IID* piid, HRESULT hr);

// Sets the listener (null: none); returns the previous one.
AFX_OCC_TRACE AfxSetOccTrace(AFX_OCC_TRACE pfn);

// Reports one call and passes its answer through.
HRESULT AfxOccNote(LPCWSTR call, HRESULT hr, const IID* piid = nullptr);
