// Reading back what the screen shows, for checks on layered windows.
#pragma once
#include <windows.h>

#include <vector>

// The colour the screen shows at (x, y), as 0x00RRGGBB.
COLORREF ScreenPixel(int x, int y);

// What the screen shows in r (screen coordinates), row by row, 0x00RRGGBB.
std::vector<DWORD> ScreenArea(const RECT& r);

// Whether the screen shows in r (screen coordinates, inside hwnd) what hwnd
// has drawn there: hwnd has nothing left to paint, and its pixels reached
// the screen.  Wine hands a window's pixels to the X server some time after
// the paint, and nothing tells the thread when; this is the condition to
// wait for.  Not for layered windows, whose screen pixels are blended.
bool ScreenShowsWindow(HWND hwnd, const RECT& r);

// What the screen shows in r once it shows what hwnd has drawn there,
// pumping messages meanwhile (at most timeoutMs; then what it shows then).
std::vector<DWORD> SettledScreenArea(HWND hwnd, const RECT& r, DWORD timeoutMs = 2000);

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
