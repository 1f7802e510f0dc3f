#include "CHeldThread.h"

CHeldThread::CHeldThread(DWORD threadId)
{
    m_thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, threadId);
    if (m_thread && SuspendThread(m_thread) == static_cast<DWORD>(-1)) {
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
}

CHeldThread::~CHeldThread()
{
    if (!m_thread)
        return;
    ResumeThread(m_thread);
    CloseHandle(m_thread);
}

void CHeldThread::Step()
{
    if (!m_thread)
        return;
    ResumeThread(m_thread);
    Sleep(1);
    SuspendThread(m_thread);
}

bool WaitForEachMoment(CHeldThread& thread, const std::function<bool()>& look, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!look()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        thread.Step();
    }
    return true;
}
