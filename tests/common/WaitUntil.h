// The one way the tests wait: for a condition, with a bound.
#pragma once
#include <windows.h>

// Handles every message queued for this thread, without the framework's
// pre-translation walk: for programs that link none of the product (the
// end-to-end drivers).  In-process tests pump with PumpMessages (Pump.h).
inline void DispatchThreadMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Checks done() until it holds or timeoutMs passes; between checks, runs
// pump() and sleeps until input arrives for the thread or 10 ms pass.
// Returns done()'s last answer, so a caller asserts on the result.
template <class Done, class Pump>
bool WaitUntil(Done&& done, DWORD timeoutMs, Pump&& pump)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start >= timeoutMs)
            return done();
        pump();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

template <class Done>
bool WaitUntil(Done&& done, DWORD timeoutMs)
{
    return WaitUntil(done, timeoutMs, DispatchThreadMessages);
}
