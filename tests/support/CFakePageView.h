// CFakePageView: the page as the stand-in control's window shows it, and
// what the page does with the mouse and keys that reach that window.  It
// draws the control's current page from its look in the page table
// (FakePagePainter), counts what reaches it (Enter, right clicks; reloads
// come from the control's record), and a click on a form's button asks for
// a new window, synchronously within the click, as a page's script does.
#pragma once
#include <windows.h>

class CFakeWebBrowser;

class CFakePageView {
public:
    // Draws the control's page into page (device coordinates of dc), through
    // an off-screen bitmap so that repaints do not flicker.
    void Paint(HDC dc, const RECT& page, CFakeWebBrowser& control);

    // A message for the control's window.  TRUE when it is done with: the
    // window procedure returns 0 at once and touches nothing more, since the
    // page's event may have taken the control and its window away.
    bool OnInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CFakeWebBrowser& control);

    int Enters() const { return m_enters; }
    int RightClicks() const { return m_rightClicks; }

private:
    bool OnButton(HWND hwnd, LPARAM lParam, CFakeWebBrowser& control) const;

    RECT m_page = {};  // where the page was last drawn, for hit tests
    int m_enters = 0;
    int m_rightClicks = 0;
    bool m_buttonDown = false;
};
