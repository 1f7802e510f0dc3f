// Reading back what the screen shows, for checks on layered windows.
#pragma once
#include <windows.h>

#include <vector>

// The colour the screen shows at (x, y), as 0x00RRGGBB.
COLORREF ScreenPixel(int x, int y);

// What the screen shows in r (screen coordinates), row by row, 0x00RRGGBB.
std::vector<DWORD> ScreenArea(const RECT& r);

// An opaque, solid-coloured window under the windows being tested, so that
// translucent pixels blend over a known colour.
class CBackdrop {
public:
    CBackdrop(RECT rc, COLORREF colour);
    ~CBackdrop();
    CBackdrop(const CBackdrop&) = delete;
    CBackdrop& operator=(const CBackdrop&) = delete;
    HWND m_hWnd = nullptr;
private:
    HBRUSH m_hBrush = nullptr;
};
