// The main window's WM_MOVE: every pop-up at its fixed place on the skin,
// and the game window re-sized and centred on the main window.
#include "CkelvorDlg.h"
#include "CLoginMainWnd.h"
#include "CTestButton.h"
#include "CWebWnd.h"

namespace {

struct Offset {
    int x, y, cx, cy;
};

void Place(CWnd* p, const RECT& r, const Offset& o)
{
    if (p)
        p->MoveWindow(r.left + o.x, r.top + o.y, o.cx, o.cy, TRUE);
}

}  // namespace

void CkelvorDlg::OnMove(int, int)
{
    Default();
    CRect r;
    GetWindowRect(&r);

    Place(m_pLoginPane, r, {382, 225, 669, 394});
    if (m_pGameWnd) {
        m_pGameWnd->MoveWindow(0, 0, 1275, 720, TRUE);
        m_pGameWnd->CenterWindow();
    }
    // The four text buttons get windows larger than their 90 x 40 images.
    Place(m_pBtnSite, r, {424, 154, 132, 38});
    Place(m_pBtnTopUp, r, {533, 154, 132, 38});
    Place(m_pBtnForum, r, {833, 154, 132, 38});
    Place(m_pBtnService, r, {942, 154, 132, 38});
    Place(m_pBtnClose, r, {1066, 100, 35, 35});
    Place(m_pBtnMinimize, r, {1034, 103, 30, 30});

    // Centred on the skin; C++ division truncates toward zero.
    const Offset frame = {(r.right - r.left) / 2 - 87, (r.bottom - r.top) / 2 - 22, 174, 44};
    for (CTestButton* p : {m_pLoading1, m_pLoading2, m_pLoading3, m_pLoading4})
        Place(p, r, frame);
}
