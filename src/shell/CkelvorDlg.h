// CkelvorDlg: the launcher's frameless, layered main window.  Its whole
// appearance is the skin image.  It owns every other window of the
// launcher (all owned pop-ups, not children), drives the launch phases and
// keeps the pop-ups glued to the skin when it moves.
#pragma once
#include "CDialog.h"
#include "LayeredPaint.h"

class CWebWnd;
class CLoginMainWnd;
class CTestButton;

class CkelvorDlg : public CDialog {
public:
    CkelvorDlg();
    ~CkelvorDlg() override;

    HICON m_hIcon;
    CWebWnd* m_pLoginPane;
    CLoginMainWnd* m_pGameWnd;
    CTestButton* m_pBtnSite;
    CTestButton* m_pBtnTopUp;
    CTestButton* m_pBtnForum;
    CTestButton* m_pBtnService;
    CTestButton* m_pBtnClose;
    CTestButton* m_pBtnMinimize;
    CTestButton* m_pLoading1;
    CTestButton* m_pLoading2;
    CTestButton* m_pLoading3;
    CTestButton* m_pLoading4;
    BLENDFUNCTION m_blend;
    Image* m_pSkin;
    UINT m_nWidth;
    UINT m_nHeight;

    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnLButtonDown(UINT nFlags, CPoint point);
    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnMove(int x, int y);
    LRESULT OnLauncherPhase(WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnTimer(UINT_PTR nIDEvent);

    // Shows frame 1 with nCmdShow and hides frames 2 to 4: SW_SHOW restarts
    // the loading animation, SW_HIDE stops it.
    void ResetLoadingFrames(int nCmdShow);

    DECLARE_MESSAGE_MAP()

private:
    void CreateChildWindows();
    void CenterOnScreen();
    void HandOver();
    void Reveal();
    void Follow();
};

// The loading animation's timer on the main window.
#define ID_TIMER_LOADING 1
