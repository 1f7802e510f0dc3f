// FakeFormLayout: where the stand-in's login form puts its parts in a page,
// shared by the painter, the page's own click handling, and a driver that
// clicks the form's button from outside.  Plain geometry, no drawing.
#pragma once
#include <windows.h>

struct FakeFormLayout {
    // The operator's page is made for the launcher's login pane, which shows
    // the page from 10 pixels in, 669 x 394 pixels of it: the form keeps to
    // that box (clipped to a smaller page).
    static constexpr int kMargin = 10;
    static constexpr int kBodyWidth = 669;
    static constexpr int kBodyHeight = 394;
    static constexpr int kRows = 3;  // field rows the card holds

    RECT body;     // the page's content box
    RECT heading;  // the operator's title
    RECT card;     // the framed panel that holds the form
    RECT labels[kRows];
    RECT fields[kRows];
    RECT hint;    // the small link under the fields
    RECT button;  // the form's button
    RECT footer;  // the line under the card

    static FakeFormLayout For(const RECT& page);
};

inline bool Contains(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

inline POINT CentreOf(const RECT& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
