// Reading another process's windows from outside: what the player would see
// of the launcher, as plain values that a test can compare and print.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct WindowView {
    HWND hwnd = nullptr;
    std::wstring className;
    std::wstring caption;
    RECT rect = {};
    LONG style = 0;
    LONG exStyle = 0;
    bool visible = false;
    HWND owner = nullptr;
    bool hostsBrowser = false;  // has a stand-in browser control among its children

    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }
};

// The process's top-level windows, in z-order.
std::vector<WindowView> TopLevelWindows(DWORD processId);
WindowView ViewOf(HWND hwnd);
// The stand-in browser control inside hwnd, or null.
HWND BrowserControlOf(HWND hwnd);
// The visible message box (a #32770 with a Yes button) of a thread, or null.
HWND QuestionBoxOf(DWORD threadId);
// The longest static text of a dialog: a message box's message.
std::wstring MessageTextOf(HWND box);
// One line per window, for failure messages.
std::wstring Describe(const std::vector<WindowView>& windows);

// The launcher's windows sorted by role: the skinned main window owns all
// the others (pop-ups, not children), the two browser windows tell
// themselves apart by the game window's caption bar.
struct LauncherScreen {
    std::vector<WindowView> all;
    WindowView main;
    WindowView loginPane;
    WindowView gameWindow;
    std::vector<WindowView> images;  // buttons and loading frames

    bool Complete() const { return main.hwnd && loginPane.hwnd && gameWindow.hwnd && images.size() == 10; }
    // Visible images of that size (0 x 0: of any size).
    int VisibleImages(int width, int height) const
    {
        int n = 0;
        for (const WindowView& w : images)
            n += w.visible && (width == 0 || (w.Width() == width && w.Height() == height));
        return n;
    }
};

// The process's windows, sorted by role.
LauncherScreen Look(DWORD processId);
