// The picture of a minimized dialog: its icon, centred on the client area
// over the erased icon background.
#pragma once
#include "CWnd.h"

// Call from WM_PAINT while the window is iconic.
void AfxPaintMinimizedIcon(CWnd* pWnd, HICON hIcon);
