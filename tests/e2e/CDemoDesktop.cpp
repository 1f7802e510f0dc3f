#include "CDemoDesktop.h"

namespace {

const wchar_t kClass[] = L"LauncherDemoDesktop";

void PaintDesktop(HDC dc, const RECT& r)
{
    // A calm blue wallpaper, darker towards the bottom.
    TRIVERTEX v[2] = {{r.left, r.top, 0x2200, 0x4C00, 0x7800, 0}, {r.right, r.bottom, 0x0800, 0x1800, 0x3000, 0}};
    GRADIENT_RECT g = {0, 1};
    GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
}

}  // namespace

CDemoDesktop::CDemoDesktop()
{
    m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, &CDemoDesktop::Run, this, 0, &m_threadId);
    if (m_thread)
        WaitForSingleObject(m_ready, 5000);
}

CDemoDesktop::~CDemoDesktop()
{
    if (m_thread) {
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        WaitForSingleObject(m_thread, 5000);
        CloseHandle(m_thread);
    }
    CloseHandle(m_ready);
}

DWORD WINAPI CDemoDesktop::Run(void* param)
{
    auto* self = static_cast<CDemoDesktop*>(param);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &CDemoDesktop::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClass, L"", WS_POPUP, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                wc.hInstance, nullptr);
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(hwnd);
    SetEvent(self->m_ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    DestroyWindow(hwnd);
    return 0;
}

LRESULT CALLBACK CDemoDesktop::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        PaintDesktop(dc, client);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_WINDOWPOSCHANGING:
        // A desktop stays under every other window.
        reinterpret_cast<WINDOWPOS*>(lParam)->hwndInsertAfter = HWND_BOTTOM;
        return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
