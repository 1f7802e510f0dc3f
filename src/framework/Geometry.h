// CPoint and CRect: POINT and RECT with the few conveniences handlers use.
#pragma once
#include <windows.h>

struct CPoint : POINT {
    CPoint()
    {
        x = 0;
        y = 0;
    }
    CPoint(int ix, int iy)
    {
        x = ix;
        y = iy;
    }
};

struct CRect : RECT {
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
