#include "CFakePageView.h"
#include "CFakePageTable.h"
#include "CFakeWebBrowser.h"
#include "FakeFormLayout.h"
#include "FakePagePainter.h"
#include <windowsx.h>

namespace {

FakePageLook LookOf(const CFakeWebBrowser& control)
{
    return CFakePageTable::Find(control.Url()).look;
}

}  // namespace

void CFakePageView::Paint(HDC dc, const RECT& page, CFakeWebBrowser& control)
{
    m_page = page;
    int width = page.right - page.left, height = page.bottom - page.top;
    if (width <= 0 || height <= 0)
        return;
    FakePagePicture picture;
    picture.url = control.Url();
    picture.title = control.Title();
    picture.look = LookOf(control);
    picture.counts = FakePageCounts{control.Record().refreshCalls, m_enters, m_rightClicks};
    picture.buttonDown = m_buttonDown;

    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    PaintFakePage(memory, RECT{0, 0, width, height}, picture);
    BitBlt(dc, page.left, page.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

bool CFakePageView::OnButton(HWND hwnd, LPARAM lParam, CFakeWebBrowser& control) const
{
    FakePageLook look = LookOf(control);
    if (look.scene || look.button.empty())
        return false;
    RECT page = m_page;
    if (IsRectEmpty(&page))
        GetClientRect(hwnd, &page);
    return Contains(FakeFormLayout::For(page).button, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

bool CFakePageView::OnInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CFakeWebBrowser& control)
{
    switch (message) {
    case WM_RBUTTONDOWN:
        ++m_rightClicks;
        InvalidateRect(hwnd, nullptr, FALSE);
        return false;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            ++m_enters;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return false;
    case WM_LBUTTONDOWN:
        // A clicked page takes the keyboard, as the real control's does.
        if (GetFocus() != hwnd)
            SetFocus(hwnd);
        if (OnButton(hwnd, lParam, control)) {
            m_buttonDown = true;
            SetCapture(hwnd);
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return false;
    case WM_LBUTTONUP:
        if (!m_buttonDown)
            return false;
        m_buttonDown = false;
        if (GetCapture() == hwnd)
            ReleaseCapture();
        InvalidateRect(hwnd, nullptr, FALSE);
        if (!OnButton(hwnd, lParam, control))
            return false;
        // The button's script opens the game in a new window: NewWindow2,
        // within the click.  The control may be gone when it returns.
        UpdateWindow(hwnd);
        control.FireNewWindow2();
        return true;
    case WM_SETCURSOR: {
        POINT at;
        GetCursorPos(&at);
        ScreenToClient(hwnd, &at);
        if (LOWORD(lParam) != HTCLIENT || !OnButton(hwnd, MAKELPARAM(at.x, at.y), control))
            return false;
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        return true;
    }
    default: return false;
    }
}
