// CWnd: the object side of a window.  It owns nothing but its link to the
// HWND; a per-thread handle map leads from a handle back to its object.
#pragma once
#include "CCmdTarget.h"
#include "CString.h"
#include "Geometry.h"
#include <oaidl.h>

class COleControlSite;
class COleControlContainer;
struct AFX_EVENTSINKMAP;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // The object attached to hWnd, or null when it has none.
    static CWnd* FromHandlePermanent(HWND hWnd);
    static CWnd* FromHandle(HWND hWnd) { return FromHandlePermanent(hWnd); }

    // Links an existing window to this object and routes its messages
    // through the object's message map; the old procedure stays reachable
    // through Default().
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();

    virtual BOOL DestroyWindow();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Browser-control events from the event sink map; TRUE when handled.
    virtual BOOL OnEvent(UINT idCtrl, DISPID dispid, DISPPARAMS* pParams);

    // Default processing of the message now being handled.
    LRESULT Default();

    // Thin wrappers over the window calls the product makes.
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, msg, wParam, lParam);
    }
    // On the wrapper of a hosted control these three go through its site
    // (CWndOle.cpp): the control is told its new place and extent, and is
    // shown and hidden with the show and hide verbs.
    BOOL ShowWindow(int nCmdShow) const;
    void MoveWindow(int x, int y, int cx, int cy, BOOL bRepaint = TRUE) const;
    void MoveWindow(LPCRECT r, BOOL bRepaint = TRUE) const
    {
        MoveWindow(r->left, r->top, r->right - r->left, r->bottom - r->top, bRepaint);
    }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) const;
    void GetWindowRect(LPRECT r) const { ::GetWindowRect(m_hWnd, r); }
    void GetClientRect(LPRECT r) const { ::GetClientRect(m_hWnd, r); }
    void ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
    void ClientToScreen(LPRECT r) const
    {
        ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r));
        ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
    }
    void ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
    void ScreenToClient(LPRECT r) const
    {
        ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r));
        ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
    }
    void SetWindowText(LPCWSTR text) const { ::SetWindowTextW(m_hWnd, text); }
    CString GetWindowText() const;
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    UINT_PTR SetTimer(UINT_PTR nID, UINT nElapse, TIMERPROC pfn) const { return ::SetTimer(m_hWnd, nID, nElapse, pfn); }
    BOOL KillTimer(UINT_PTR nID) const { return ::KillTimer(m_hWnd, nID); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) const
    {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
    }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    int MessageBox(LPCWSTR text, LPCWSTR caption = nullptr, UINT type = MB_OK) const
    {
        return ::MessageBoxW(m_hWnd, text, caption, type);
    }
    void Invalidate(BOOL bErase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    // The owner (or parent) window's object; the main window for every
    // owned pop-up of the product.
    CWnd* GetOwner() const { return FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER)); }
    CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }

    // Centres the window on its owner while the owner is visible and not
    // minimized, else on the work area; keeps it inside the work area with
    // the left and top edges winning.  Position only: no z-order change, no
    // activation.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // Hosted ActiveX controls (filled in by the control container).
    IUnknown* GetControlUnknown() const;
    void InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo, ...);
    COleControlSite* m_pCtrlSite = nullptr;       // set on a hosted control's wrapper
    COleControlContainer* m_pCtrlCont = nullptr;  // set on a window that hosts controls

    // Walks the pre-translation chain from pMsg->hwnd up through parents and
    // owners, stopping after hWndStop; TRUE when some object consumed it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

protected:
    virtual void PostNcDestroy() {}
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const { return nullptr; }
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class COleControlContainer;

    WNDPROC m_pfnSuper = nullptr;  // the procedure Default() reaches
    BOOL m_bOwnedHiddenByMinimize = FALSE;

    void Attach(HWND hWnd);
    void Detach();

private:
    void OnNcDestroyed();
    void HandleMinimizeRestore(WPARAM sizeType);
    void KeepOwnedPopupsAbove();
};

// The window procedure of every window with an object.  No C++ exception
// leaves it: one thrown by a handler ends that message with
// AfxProcessWndProcException's answer.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT AfxProcessWndProcException(HWND hWnd, UINT message);
