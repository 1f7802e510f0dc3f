// Answering the launcher's confirmation boxes from a test.  A message box
// runs its own modal loop, so the answer is given from a timer that fires
// inside that loop.
#pragma once
#include <windows.h>
#include <string>

struct SeenMessageBox {
    bool shown = false;
    HWND owner = nullptr;
    std::wstring text;
    std::wstring caption;
    bool hasYes = false, hasNo = false, hasOk = false, hasCancel = false;
};

// Arms a one-shot answer: the next message box of this thread is read into
// *pSeen and closed with the button id (IDYES, IDNO, ...).  Disarmed on
// destruction if no box came.
class CMessageBoxAnswer {
public:
    CMessageBoxAnswer(int button, SeenMessageBox* pSeen);
    ~CMessageBoxAnswer();
    CMessageBoxAnswer(const CMessageBoxAnswer&) = delete;
    CMessageBoxAnswer& operator=(const CMessageBoxAnswer&) = delete;
private:
    UINT_PTR m_timer;
};

// The #32770 box of this thread that is open now, or null.
HWND FindThreadMessageBox();
