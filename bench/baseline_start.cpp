// The floor for the launcher's start-up: a program that does only what the
// launcher must do before its first layered paint and nothing else.  It
// starts the common controls and GDI+, decodes the 1170 x 750 skin from its
// own resource and puts it on a layered window with one UpdateLayeredWindow.
//
// The start probe times both programs to the same outside event: a
// top-level window of the process that is layered and 1170 x 750.  The
// window is made without a size and without the layered style, and gets
// both only at the paint, as the launcher's does, so the event cannot come
// early.  Afterwards the window stays until the probe ends the process (or
// ten seconds pass), so a poll of the window list is sure to see it.
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>
#include <cstring>

namespace {

const UINT kSkinId = 131;   // the launcher's id for the skin, same type "PNG"
const UINT kStayMs = 10000;

// The skin as a GDI+ bitmap read from a stream over a copy of the resource
// bytes (GDI+ may read the stream after this returns).  Null on failure.
Gdiplus::Bitmap* LoadSkin()
{
    HRSRC hRes = ::FindResourceW(nullptr, MAKEINTRESOURCEW(kSkinId), L"PNG");
    HGLOBAL hData = hRes ? ::LoadResource(nullptr, hRes) : nullptr;
    const void* pData = hData ? ::LockResource(hData) : nullptr;
    if (!pData)
        return nullptr;
    DWORD cb = ::SizeofResource(nullptr, hRes);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (!hCopy)
        return nullptr;
    void* pCopy = ::GlobalLock(hCopy);
    if (!pCopy) {
        ::GlobalFree(hCopy);
        return nullptr;
    }
    std::memcpy(pCopy, pData, cb);
    ::GlobalUnlock(hCopy);

    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hCopy, TRUE, &pStream))) {
        ::GlobalFree(hCopy);
        return nullptr;
    }
    Gdiplus::Bitmap* pSkin = Gdiplus::Bitmap::FromStream(pStream, FALSE);
    pStream->Release();
    return pSkin;
}

// Draws the skin into a 32-bit top-down DIB and makes it the window's
// whole content with per-pixel alpha.  False when a GDI object cannot be
// made.
bool PaintOnce(HWND hWnd, Gdiplus::Bitmap* pSkin)
{
    const int cx = static_cast<int>(pSkin->GetWidth());
    const int cy = static_cast<int>(pSkin->GetHeight());
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;

    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    bool painted = false;
    if (hdcMem && hBitmap) {
        HGDIOBJ hOld = ::SelectObject(hdcMem, hBitmap);
        {
            Gdiplus::Graphics graphics(hdcMem);
            graphics.DrawImage(pSkin, 0, 0, cx, cy);
        }
        ::SetWindowLongW(hWnd, GWL_EXSTYLE, ::GetWindowLongW(hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
        POINT ptDst = { 0, 0 };
        POINT ptSrc = { 0, 0 };
        SIZE size = { cx, cy };
        BLENDFUNCTION blend = { AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
        painted = ::UpdateLayeredWindow(hWnd, hdcScreen, &ptDst, &size, hdcMem, &ptSrc, 0, &blend, ULW_ALPHA) != FALSE;
        ::SelectObject(hdcMem, hOld);
    }
    if (hBitmap)
        ::DeleteObject(hBitmap);
    if (hdcMem)
        ::DeleteDC(hdcMem);
    ::ReleaseDC(nullptr, hdcScreen);
    return painted;
}

// Keeps the painted window up, answering messages, until kStayMs pass.
void Stay()
{
    const ULONGLONG until = ::GetTickCount64() + kStayMs;
    for (;;) {
        ULONGLONG now = ::GetTickCount64();
        if (now >= until)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return;
            ::DispatchMessageW(&msg);
        }
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);

    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 1;

    int rc = 1;
    Gdiplus::Bitmap* pSkin = LoadSkin();
    WNDCLASSEXW wc = { sizeof(wc) };
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"BenchBaselineStart";
    HWND hWnd = nullptr;
    if (pSkin && pSkin->GetLastStatus() == Gdiplus::Ok && ::RegisterClassExW(&wc))
        hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0,
                                 nullptr, nullptr, hInstance, nullptr);
    if (hWnd && PaintOnce(hWnd, pSkin)) {
        ::ShowWindow(hWnd, SW_SHOWNA);
        Stay();
        rc = 0;
    }
    if (hWnd)
        ::DestroyWindow(hWnd);
    delete pSkin;
    Gdiplus::GdiplusShutdown(token);
    return rc;
}
