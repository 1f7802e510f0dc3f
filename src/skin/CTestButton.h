// CTestButton: a small layered pop-up whose whole appearance is one PNG.
// The launcher uses it for its six buttons and the four loading frames; a
// press carries out the action its action id selects (the id of its image).
#pragma once
#include "CDialog.h"
#include "LayeredPaint.h"

class CTestButton : public CDialog {
public:
    explicit CTestButton(CWnd* pParent = nullptr);
    ~CTestButton() override;

    // Loads PNG nID, sizes the window to it at its current top-left corner
    // and paints it.  When the image cannot be loaded nothing changes.
    void SetImage(UINT nID);

    BLENDFUNCTION m_blend;
    Image* m_pImage;
    Image* m_pOldImage;
    UINT m_nWidth;
    UINT m_nHeight;
    int m_nAction;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}

    void OnMouseHover(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void OpenAddress(const CString& address) const;
};
