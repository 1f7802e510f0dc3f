#include "MinimizedIcon.h"
#include "CPaintDC.h"

void AfxPaintMinimizedIcon(CWnd* pWnd, HICON hIcon)
{
    CPaintDC dc(pWnd);
    pWnd->SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT rc;
    pWnd->GetClientRect(&rc);
    // Signed division: truncates toward zero.
    int x = (rc.right - rc.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rc.bottom - rc.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, hIcon);
}
