#include "CWnd.h"
#include "CWinApp.h"
#include "COleControlContainer.h"
#include "OccManager.h"
#include <unordered_map>
#include <vector>

namespace {

// Handle map of this thread: every window that has an object.
std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static thread_local std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The message the window procedure is handling right now, for Default().
thread_local MSG t_lastSent = {};

}  // namespace

CWnd::~CWnd()
{
    // A window that outlives its object would route messages into freed
    // memory, so the object takes its window with it.
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    if (m_hWnd)
        Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    auto it = HandleMap().find(hWnd);
    return it == HandleMap().end() ? nullptr : it->second;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
}

void CWnd::Detach()
{
    auto it = HandleMap().find(m_hWnd);
    if (it != HandleMap().end() && it->second == this)
        HandleMap().erase(it);
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    Attach(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return nullptr;
    if (m_pfnSuper)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    return hWnd;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::OnEvent(UINT, DISPID, DISPPARAMS*)
{
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT nID = message == WM_COMMAND ? LOWORD(wParam) : 0;
    const AFX_MSGMAP_ENTRY* e = AfxFindMessageEntry(GetMessageMap(), message, nID);
    if (!e)
        return FALSE;
    *pResult = e->pfn(this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_lastSent.message, t_lastSent.wParam, t_lastSent.lParam);
}

CString CWnd::GetWindowText() const
{
    int n = ::GetWindowTextLengthW(m_hWnd);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    n = ::GetWindowTextW(m_hWnd, &s[0], n + 1);
    return CString(s.c_str(), n);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND hWndCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    RECT rcCenter, rcArea;
    MONITORINFO mi = {sizeof(mi)};
    if (hWndCenter && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter)) {
        ::GetWindowRect(hWndCenter, &rcCenter);
        ::GetMonitorInfoW(::MonitorFromWindow(hWndCenter, MONITOR_DEFAULTTONEAREST), &mi);
        rcArea = mi.rcWork;
    } else {
        CWnd* pMain = AfxGetMainWnd();
        HWND hWndMain = pMain ? pMain->m_hWnd : m_hWnd;
        ::GetMonitorInfoW(::MonitorFromWindow(hWndMain, MONITOR_DEFAULTTOPRIMARY), &mi);
        rcCenter = rcArea = mi.rcWork;
    }

    RECT rcSelf;
    ::GetWindowRect(m_hWnd, &rcSelf);
    int cx = rcSelf.right - rcSelf.left;
    int cy = rcSelf.bottom - rcSelf.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;

    // Right before left and bottom before top, so a window larger than the
    // work area keeps its left and top edges on screen.
    if (x + cx > rcArea.right)
        x = rcArea.right - cx;
    if (x < rcArea.left)
        x = rcArea.left;
    if (y + cy > rcArea.bottom)
        y = rcArea.bottom - cy;
    if (y < rcArea.top)
        y = rcArea.top;

    ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

void CWnd::OnNcDestroyed()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = nullptr;
    WNDPROC pfnSuper = m_pfnSuper;
    HWND hWnd = m_hWnd;
    m_pfnSuper = nullptr;
    Detach();
    if (pfnSuper)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
    PostNcDestroy();
}

void CWnd::HandleMinimizeRestore(WPARAM sizeType)
{
    // Windows hides a window's owned pop-ups while it is minimized and shows
    // them again on restore.  Doing the same here keeps that behaviour on
    // systems that leave it out; where the system already did it the calls
    // find nothing to change.
    if (sizeType == SIZE_MINIMIZED) {
        if (!m_bOwnedHiddenByMinimize) {
            m_bOwnedHiddenByMinimize = TRUE;
            ::ShowOwnedPopups(m_hWnd, FALSE);
        }
    } else if (m_bOwnedHiddenByMinimize && (sizeType == SIZE_RESTORED || sizeType == SIZE_MAXIMIZED)) {
        m_bOwnedHiddenByMinimize = FALSE;
        ::ShowOwnedPopups(m_hWnd, TRUE);
    }
}

namespace {

// The framework's own timer on a window; never reaches message maps.
constexpr UINT_PTR kKeepOwnedTimer = 0xEF01;

// Raises hWnd to the top without activating it or moving its owner.
void RaiseOwned(HWND hWnd)
{
    ::SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace

void CWnd::KeepOwnedPopupsAbove()
{
    // Owned pop-ups always stand above their owner on Windows.  Wine can
    // leave them behind a raised owner, and restacks the owner a moment
    // after telling it about the move, so this runs shortly after each
    // change: visible pop-ups found below their owner go back above it.  Where the system keeps the rule itself there is
    // nothing below to move.
    std::vector<HWND> below;
    for (HWND h = ::GetWindow(m_hWnd, GW_HWNDNEXT); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (::GetWindow(h, GW_OWNER) == m_hWnd && ::IsWindowVisible(h))
            below.push_back(h);
    }
    // Bottom first, so each lands above the ones before and the pop-ups keep
    // their order; the owner was the one raised, so the top is its place.
    for (auto it = below.rbegin(); it != below.rend(); ++it)
        RaiseOwned(*it);
}

LRESULT AfxProcessWndProcException(HWND hWnd, UINT message)
{
    // A handler that failed (out of memory, in practice) ends its message
    // with the answer that does least harm: creation fails, and a paint
    // is taken as done so the system does not ask again at once.
    if (message == WM_CREATE)
        return -1;
    if (message == WM_NCCREATE)
        return FALSE;
    if (message == WM_PAINT)
        ::ValidateRect(hWnd, nullptr);
    return 0;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);

    if (message == WM_TIMER && wParam == kKeepOwnedTimer) {
        ::KillTimer(hWnd, kKeepOwnedTimer);
        pWnd->KeepOwnedPopupsAbove();
        return 0;
    }
    if (message == WM_WINDOWPOSCHANGED && !::GetWindow(hWnd, GW_OWNER) && ::IsWindowVisible(hWnd))
        ::SetTimer(hWnd, kKeepOwnedTimer, 100, nullptr);

    MSG saved = t_lastSent;
    t_lastSent.hwnd = hWnd;
    t_lastSent.message = message;
    t_lastSent.wParam = wParam;
    t_lastSent.lParam = lParam;


    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        result = AfxProcessWndProcException(hWnd, message);
    }

    // Hosted controls go with their container's window, after the window's
    // own WM_DESTROY handler (which may still talk to them) and before the
    // system destroys the child windows.
    if (message == WM_DESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd && pWnd->m_pCtrlCont && afxOccManager)
        afxOccManager->OnDestroyContainer(pWnd);
    if (message == WM_SIZE && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        pWnd->HandleMinimizeRestore(wParam);
        if (pWnd->m_pCtrlCont && wParam != SIZE_MINIMIZED)
            pWnd->m_pCtrlCont->OnSized();
    }
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->OnNcDestroyed();

    t_lastSent = saved;
    return result;
}
