// Private messages between the launcher's windows.
#pragma once
#include <windows.h>

// Sent to the main window by the login pane and the game window to drive the
// launch.  wParam 0: a document finished, Enter was pressed in the login
// pane, or the game window revealed itself; nonzero (255): the login pane
// captured a game address.  lParam 0; the result is always 0.
#define WM_LAUNCHER_PHASE (WM_USER + 100)

// The two kinds of WM_LAUNCHER_PHASE, as its wParam.  The main window takes
// any nonzero value as a captured address.
constexpr WPARAM LAUNCHER_PHASE_PAGE_READY = 0;      // a document finished, Enter, or the game window showed
constexpr WPARAM LAUNCHER_PHASE_GAME_ADDRESS = 255;  // the login pane captured a game address
