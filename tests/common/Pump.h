// Running the thread's messages from a test, through the same
// pre-translation walk as the application's modal loop.
#pragma once
#include <windows.h>
#include <functional>

// Handles every message already queued (and those they cause).
void PumpMessages();

// Handles messages for about ms milliseconds.
void PumpFor(DWORD ms);

// Handles messages until pred() holds or timeoutMs passes; returns pred().
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs = 5000);
