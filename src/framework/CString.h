// CString: UTF-16 text with value semantics, loadable from the string table.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

class CString {
public:
    CString() = default;
    CString(LPCWSTR psz) : m_str(psz ? psz : L"") {}
    CString(LPCWSTR pch, int nLength) : m_str(pch ? pch : L"", pch && nLength > 0 ? nLength : 0) {}
    CString(const std::wstring& s) : m_str(s) {}

    // Loads string-table entry nID from the resource module.  A missing
    // entry leaves the string empty and returns FALSE.
    BOOL LoadString(UINT nID);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    LPCWSTR GetString() const { return m_str.c_str(); }
    operator LPCWSTR() const { return m_str.c_str(); }
    WCHAR GetAt(int i) const { return m_str.at(static_cast<size_t>(i)); }

    // A new BSTR with this text; the caller frees it with SysFreeString.
    BSTR AllocSysString() const;

    CString& operator=(LPCWSTR psz)
    {
        m_str = psz ? psz : L"";
        return *this;
    }
    CString& operator+=(const CString& s)
    {
        m_str += s.m_str;
        return *this;
    }
    CString& operator+=(LPCWSTR psz)
    {
        if (psz)
            m_str += psz;
        return *this;
    }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }

    int Compare(LPCWSTR psz) const { return m_str.compare(psz ? psz : L""); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }

private:
    std::wstring m_str;
};
