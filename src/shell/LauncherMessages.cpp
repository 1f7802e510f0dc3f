// Keeps the library non-empty while the shell's windows are added.
#include "LauncherMessages.h"
static_assert(WM_LAUNCHER_PHASE == 0x0464, "the phase message is WM_USER + 100");
