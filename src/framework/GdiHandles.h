// Scoped holders for the GDI objects a paint builds and frees.
#pragma once
#include <windows.h>

// A window's device context from GetDC, released on scope exit.
class CWindowDC {
public:
    explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CWindowDC()
    {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    operator HDC() const { return m_hDC; }
private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A memory device context from CreateCompatibleDC, deleted on scope exit.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC hdcCompatible) : m_hDC(::CreateCompatibleDC(hdcCompatible)) {}
    ~CMemoryDC()
    {
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    operator HDC() const { return m_hDC; }
private:
    HDC m_hDC;
};

// Any GDI object (bitmap, brush, ...), deleted on scope exit.
template <class H>
class CGdiHandle {
public:
    explicit CGdiHandle(H h = nullptr) : m_h(h) {}
    ~CGdiHandle()
    {
        if (m_h)
            ::DeleteObject(m_h);
    }
    CGdiHandle(const CGdiHandle&) = delete;
    CGdiHandle& operator=(const CGdiHandle&) = delete;
    operator H() const { return m_h; }
private:
    H m_h;
};

// Selects an object into a DC and puts the previous one back on scope exit,
// so the object can be deleted afterwards.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ hObj) : m_hDC(hDC), m_hOld(hObj ? ::SelectObject(hDC, hObj) : nullptr) {}
    ~CSelectObject()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
