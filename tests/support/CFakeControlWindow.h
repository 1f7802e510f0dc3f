// CFakeControlWindow: the stand-in control's own child window, made at
// in-place activation inside the container's window.  It shows the page
// (CFakePageView), passes the page the mouse and keys, and receives the
// control channel's messages.
#pragma once
#include "CFakePageView.h"
#include <windows.h>

class CFakeWebBrowser;

class CFakeControlWindow {
public:
    CFakeControlWindow() = default;
    CFakeControlWindow(const CFakeControlWindow&) = delete;
    CFakeControlWindow& operator=(const CFakeControlWindow&) = delete;
    ~CFakeControlWindow() { Destroy(); }

    // A visible child of parent at pos (parent's client coordinates), as the
    // real control shows itself when activated in place.
    bool Create(HWND parent, const RECT& pos, CFakeWebBrowser* control);
    void Destroy();
    // The place the container last told the control (activation,
    // SetObjectRects, a window context read on a click): the window goes
    // there and the page is laid out at that size.  A move of the window
    // behind the control's back changes neither the view nor the page.
    void Move(const RECT& pos);
    const RECT& View() const { return m_view; }
    void Repaint();
    HWND Handle() const { return m_hwnd; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND m_hwnd = nullptr;
    RECT m_view = {};                      // in the parent's client coordinates
    CFakeWebBrowser* m_control = nullptr;  // owns this window
    CFakePageView m_pageView;              // what the window shows of the page
};
