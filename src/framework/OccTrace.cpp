#include "OccTrace.h"

namespace {
AFX_OCC_TRACE g_pfnTrace = nullptr;
}

AFX_OCC_TRACE AfxSetOccTrace(AFX_OCC_TRACE pfn)
{
    AFX_OCC_TRACE old = g_pfnTrace;
    g_pfnTrace = pfn;
    return old;
}

HRESULT AfxOccNote(LPCWSTR call, HRESULT hr, const IID* piid)
{
    // Reports come from inside COM methods, where nothing may throw.
    if (g_pfnTrace) {
        try {
            g_pfnTrace(call, piid, hr);
        } catch (...) {
        }
    }
    return hr;
}
