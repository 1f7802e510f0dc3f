// The control channel of the stand-in browser: registered window messages
// that anyone, in this process or another, posts to a stand-in control's
// window (class kFakeBrowserWindowClass, a child of the container) to drive
// it as a page would.  The control's own asynchronous mode uses the first.
#pragma once
#include <windows.h>

inline constexpr wchar_t kFakeBrowserWindowClass[] = L"FakeWebBrowserControl";

// Completes the pending navigation (see CFakeWebBrowser::CompleteNavigation).
inline UINT FakeChannelCompleteNavigation()
{
    static const UINT message = RegisterWindowMessageW(L"FakeWebBrowser.CompleteNavigation");
    return message;
}

// Fires NewWindow2 (see CFakeWebBrowser::FireNewWindow2).
inline UINT FakeChannelNewWindow()
{
    static const UINT message = RegisterWindowMessageW(L"FakeWebBrowser.NewWindow");
    return message;
}

// Fires TitleChange; wParam is a global atom holding the title, which the
// control deletes once it has read it.
inline UINT FakeChannelTitleChange()
{
    static const UINT message = RegisterWindowMessageW(L"FakeWebBrowser.TitleChange");
    return message;
}

// Posts CompleteNavigation to a control's window now, or after delay ms
// from a timer of that window (a newer request restarts the wait).
inline void FakeChannelCompleteLater(HWND control, UINT delay)
{
    struct Later {
        static void CALLBACK Fire(HWND hwnd, UINT, UINT_PTR id, DWORD)
        {
            KillTimer(hwnd, id);
            PostMessageW(hwnd, FakeChannelCompleteNavigation(), 0, 0);
        }
    };
    if (delay == 0)
        PostMessageW(control, FakeChannelCompleteNavigation(), 0, 0);
    else
        SetTimer(control, 1, delay, &Later::Fire);  // the window's only timer
}
