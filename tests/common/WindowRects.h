// Where a window stands, as tests read it back.
#pragma once
#include <windows.h>

// hWnd's rectangle in its parent's client coordinates.
inline RECT InParent(HWND hWnd)
{
    RECT r = {};
    ::GetWindowRect(hWnd, &r);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
