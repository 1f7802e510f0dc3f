#include "CFakeControlWindow.h"
#include "CFakeWebBrowser.h"
#include "FakeBrowserChannel.h"
#include <string>

namespace {

constexpr int kSelfSlot = 0;  // offset in the window's extra bytes

// The module that holds this code: the test executable, or the stand-in's
// DLL when it is loaded as an in-process server.
HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

}  // namespace

bool CFakeControlWindow::Create(HWND parent, const RECT& pos, CFakeWebBrowser* control)
{
    Destroy();
    m_control = control;
    m_view = pos;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &CFakeControlWindow::WindowProc;
    // The object pointer lives in the class's own extra bytes, which a
    // container that subclasses the window leaves alone.
    wc.cbWndExtra = sizeof(CFakeControlWindow*);
    wc.hInstance = ThisModule();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kFakeBrowserWindowClass;
    // A second registration fails harmlessly: the class is already there.
    RegisterClassExW(&wc);
    CreateWindowExW(0, kFakeBrowserWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                    pos.left, pos.top, pos.right - pos.left, pos.bottom - pos.top, parent, nullptr, wc.hInstance, this);
    return m_hwnd != nullptr;
}

void CFakeControlWindow::Destroy()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);  // WM_NCDESTROY clears m_hwnd
    m_hwnd = nullptr;
}

void CFakeControlWindow::Move(const RECT& pos)
{
    m_view = pos;
    Repaint();
    if (m_hwnd)
        MoveWindow(m_hwnd, pos.left, pos.top, pos.right - pos.left, pos.bottom - pos.top, TRUE);
}

void CFakeControlWindow::Repaint()
{
    if (m_hwnd)
        InvalidateRect(m_hwnd, nullptr, TRUE);
}

LRESULT CALLBACK CFakeControlWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CFakeControlWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, kSelfSlot, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CFakeControlWindow*>(GetWindowLongPtrW(hwnd, kSelfSlot));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);

    if (message == WM_NCDESTROY) {
        // Also reached when the container destroys its window first.
        SetWindowLongPtrW(hwnd, kSelfSlot, 0);
        self->m_hwnd = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (self->m_pageView.OnInput(hwnd, message, wParam, lParam, *self->m_control))
        return 0;
    if (message == WM_PAINT) {
        self->Paint();
        return 0;
    }
    if (message == WM_LBUTTONDOWN) {
        // A click into the page: the control becomes UI active and reads
        // its window context again, as the real one does.
        ComPtr<CFakeWebBrowser> control(self->m_control);
        control->PageClicked();
        return 0;
    }
    if (message == FakeChannelCompleteNavigation() || message == FakeChannelNewWindow()
        || message == FakeChannelTitleChange()) {
        // The control may lose its last reference to a sink's reaction and
        // take this window with it: hold it until the call has returned, and
        // touch nothing of this object afterwards.
        ComPtr<CFakeWebBrowser> control(self->m_control);
        if (message == FakeChannelCompleteNavigation()) {
            control->CompleteNavigation();
        } else if (message == FakeChannelNewWindow()) {
            control->FireNewWindow2();
        } else {
            wchar_t title[256] = {};
            ATOM atom = static_cast<ATOM>(wParam);
            UINT length = GlobalGetAtomNameW(atom, title, 256);
            GlobalDeleteAtom(atom);
            control->FireTitleChange(std::wstring(title, length));
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void CFakeControlWindow::Paint()
{
    // The page is laid out at the view's size; whatever of the window lies
    // beyond it (a window resized behind the control's back) stays grey.
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    RECT window;
    GetClientRect(m_hwnd, &window);
    FillRect(dc, &window, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    RECT page = {0, 0, m_view.right - m_view.left, m_view.bottom - m_view.top};
    m_pageView.Paint(dc, page, *m_control);
    EndPaint(m_hwnd, &ps);
}
