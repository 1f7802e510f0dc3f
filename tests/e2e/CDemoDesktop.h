// CDemoDesktop: a plain desktop under the launcher for the demo's pictures.
// The bare display is black, on which the skin's transparent outline and the
// loading animation's glow cannot be seen; a player sees them over a
// desktop.  A full-screen window kept at the bottom of the z-order, on a
// thread of its own that repaints it whenever the launcher's windows move.
#pragma once
#include <windows.h>

class CDemoDesktop {
public:
    CDemoDesktop();
    ~CDemoDesktop();
    CDemoDesktop(const CDemoDesktop&) = delete;
    CDemoDesktop& operator=(const CDemoDesktop&) = delete;

private:
    static DWORD WINAPI Run(void* self);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HANDLE m_ready = nullptr;
};
