// CPaintDC: BeginPaint for the lifetime of the object, EndPaint after.
#pragma once
#include "CWnd.h"

class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    void DrawIcon(int x, int y, HICON hIcon) const { ::DrawIcon(m_hDC, x, y, hIcon); }

    PAINTSTRUCT m_ps = {};
    HDC m_hDC = nullptr;

private:
    HWND m_hWnd;
};
