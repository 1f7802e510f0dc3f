#include "CString.h"
#include "CWinApp.h"

BOOL CString::LoadString(UINT nID)
{
    // With a zero buffer size LoadStringW hands back a pointer into the
    // resource itself, so entries of any length load without truncation.
    LPCWSTR pch = nullptr;
    int n = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pch), 0);
    if (n <= 0 || !pch) {
        m_str.clear();
        return FALSE;
    }
    m_str.assign(pch, static_cast<size_t>(n));
    return TRUE;
}

BSTR CString::AllocSysString() const
{
    return ::SysAllocStringLen(m_str.data(), static_cast<UINT>(m_str.size()));
}
