#include "MessageBoxes.h"

namespace {

int g_button = 0;
SeenMessageBox* g_pSeen = nullptr;

std::wstring TextOf(HWND hWnd)
{
    wchar_t buf[512] = {};
    ::GetWindowTextW(hWnd, buf, 512);
    return buf;
}

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
{
    wchar_t cls[32] = {};
    ::GetClassNameW(hWnd, cls, 32);
    if (wcscmp(cls, L"#32770") == 0 && ::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, 0xFFFF)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND hBox = FindThreadMessageBox();
    if (!hBox || !g_pSeen)
        return;
    ::KillTimer(nullptr, id);
    g_pSeen->shown = true;
    g_pSeen->owner = ::GetWindow(hBox, GW_OWNER);
    g_pSeen->caption = TextOf(hBox);
    g_pSeen->text = TextOf(::GetDlgItem(hBox, 0xFFFF));
    g_pSeen->hasYes = ::GetDlgItem(hBox, IDYES) != nullptr;
    g_pSeen->hasNo = ::GetDlgItem(hBox, IDNO) != nullptr;
    g_pSeen->hasOk = ::GetDlgItem(hBox, IDOK) != nullptr;
    g_pSeen->hasCancel = ::GetDlgItem(hBox, IDCANCEL) != nullptr;
    g_pSeen = nullptr;
    ::PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(g_button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hBox, g_button)));
}

}  // namespace

HWND FindThreadMessageBox()
{
    HWND hBox = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&hBox));
    return hBox;
}

CMessageBoxAnswer::CMessageBoxAnswer(int button, SeenMessageBox* pSeen)
{
    g_button = button;
    g_pSeen = pSeen;
    m_timer = ::SetTimer(nullptr, 0, 50, AnswerTimer);
}

CMessageBoxAnswer::~CMessageBoxAnswer()
{
    ::KillTimer(nullptr, m_timer);
    g_pSeen = nullptr;
}
