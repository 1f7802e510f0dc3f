#include "ScreenPixels.h"
#include "Pump.h"

COLORREF ScreenPixel(int x, int y)
{
    HDC hdc = ::GetDC(nullptr);
    COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(nullptr, hdc);
    return RGB(GetBValue(c), GetGValue(c), GetRValue(c));  // as 0x00RRGGBB
}

namespace {

// The pixels of source's (x, y, width, height), row by row, 0x00RRGGBB.
std::vector<DWORD> Pixels(HDC source, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    ::SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    ::GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    for (DWORD& p : pixels)
        p &= 0x00FFFFFF;
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

std::vector<DWORD> ScreenArea(const RECT& r)
{
    HDC screen = ::GetDC(nullptr);
    std::vector<DWORD> pixels = Pixels(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

bool ScreenShowsWindow(HWND hwnd, const RECT& r)
{
    if (::GetUpdateRect(hwnd, nullptr, FALSE))
        return false;
    RECT window = {};
    ::GetWindowRect(hwnd, &window);
    HDC drawn = ::GetWindowDC(hwnd);
    std::vector<DWORD> own = Pixels(drawn, r.left - window.left, r.top - window.top, r.right - r.left,
                                    r.bottom - r.top);
    ::ReleaseDC(hwnd, drawn);
    return own == ScreenArea(r);
}

std::vector<DWORD> SettledScreenArea(HWND hwnd, const RECT& r, DWORD timeoutMs)
{
    PumpUntil([&] { return ScreenShowsWindow(hwnd, r); }, timeoutMs);
    return ScreenArea(r);
}

namespace {

LRESULT CALLBACK BackdropProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND) {
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        ::FillRect(reinterpret_cast<HDC>(wParam), &rc,
                   reinterpret_cast<HBRUSH>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA)));
        return 1;
    }
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

}  // namespace

CBackdrop::CBackdrop(RECT rc, COLORREF colour)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = BackdropProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TestBackdrop";
    ::RegisterClassW(&wc);
    m_hBrush = ::CreateSolidBrush(colour);
    m_hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"TestBackdrop", L"", WS_POPUP, rc.left, rc.top, rc.right - rc.left,
                               rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_hBrush));
    ::SetWindowPos(m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::UpdateWindow(m_hWnd);
}

CBackdrop::~CBackdrop()
{
    ::DestroyWindow(m_hWnd);
    ::DeleteObject(m_hBrush);
}
