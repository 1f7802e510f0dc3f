// The floor for the launcher's start-up: a program that does only what the
// launcher must do before its first layered paint and nothing else.  It
// starts the common controls and GDI+, decodes the 1170 x 750 skin from its
// own resource and puts it on a layered window with one layered paint, with
// the launcher's own decoder and painter, so that the two programs differ
// only in what the launcher does besides.
//
// The start probe times both programs to the same outside event: a
// top-level window of the process that is layered and 1170 x 750.  The
// window is made without a size and without the layered style, and gets
// both only at the paint, as the launcher's does, so the event cannot come
// early.  Afterwards the window stays until the probe ends the process (or
// ten seconds pass), so a poll of the window list is sure to see it.
#include "LayeredPaint.h"
#include "PngResource.h"
#include "resource.h"
#include <windows.h>
#include <commctrl.h>

namespace {

const UINT kStayMs = 10000;

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

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 1;

    int rc = 1;
    Image* pSkin = LoadPngResource(IDB_SKIN);
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"BenchBaselineStart";
    HWND hWnd = nullptr;
    if (pSkin && pSkin->GetLastStatus() == Gdiplus::Ok && ::RegisterClassExW(&wc))
        hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, hInstance, nullptr);
    if (hWnd) {
        PaintLayered(hWnd, pSkin, pSkin->GetWidth(), pSkin->GetHeight(), BLEND_VISIBLE);
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
