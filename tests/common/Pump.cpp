#include "Pump.h"
#include "CDialog.h"

namespace {

void HandleOne(MSG& msg)
{
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

} // namespace

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        HandleOne(msg);
}

void PumpFor(DWORD ms)
{
    DWORD start = ::GetTickCount();
    do {
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (::GetTickCount() - start < ms);
    PumpMessages();
}

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    while (!pred()) {
        if (::GetTickCount() - start >= timeoutMs)
            return pred();
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}
