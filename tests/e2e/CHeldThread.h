// CHeldThread: another process's thread, suspended for as long as this
// object lives, so that a look at its windows sees one consistent moment.
// Let go on for a moment at a time with Step().
#pragma once
#include <windows.h>
#include <functional>

class CHeldThread {
public:
    explicit CHeldThread(DWORD threadId);
    ~CHeldThread();
    CHeldThread(const CHeldThread&) = delete;
    CHeldThread& operator=(const CHeldThread&) = delete;

    bool Valid() const { return m_thread != nullptr; }
    // Lets the thread run for about a millisecond, then holds it again.
    void Step();

private:
    HANDLE m_thread = nullptr;
};

// Calls look() with the thread held, stepping it between calls, until
// look() holds or timeoutMs passes.
bool WaitForEachMoment(CHeldThread& thread, const std::function<bool()>& look, DWORD timeoutMs);
