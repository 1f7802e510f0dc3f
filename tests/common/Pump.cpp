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

}  // namespace

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        HandleOne(msg);
}

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    return WaitUntil(pred, timeoutMs, PumpMessages);
}

void PumpFor(DWORD ms)
{
    WaitUntil([] { return false; }, ms, PumpMessages);
    PumpMessages();
}
