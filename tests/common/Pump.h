// Running the thread's messages from a test, through the same
// pre-translation walk as the application's modal loop.
#pragma once
#include "WaitUntil.h"
#include <windows.h>
#include <functional>

// Handles every message already queued (and those they cause).
void PumpMessages();

// Handles messages until pred() holds or timeoutMs passes; returns pred().
// This is how a test waits for something.
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs = 5000);

// Handles messages for ms milliseconds.  Only for waits where the time is
// what is checked: that nothing happens within it, or that something takes
// about that long.  Say so where it is used.
void PumpFor(DWORD ms);
