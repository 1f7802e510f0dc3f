// FakePagePainter: draws a page of the stand-in browser as a player would
// see it in the launcher: the operator's login form, a game scene, or a
// plain page with its title and address.  Our own GDI drawing, driven by the
// page's look (FakePage.h); no web engine exists here.
#pragma once
#include "FakePage.h"
#include <windows.h>
#include <string>

// What reached the page, which it shows in its corner.
struct FakePageCounts {
    int reloads = 0;      // Refresh calls (F5 in the launcher)
    int enters = 0;       // Enter keys that reached the page's window
    int rightClicks = 0;  // right-button presses that reached it
};

struct FakePagePicture {
    std::wstring url;
    std::wstring title;
    FakePageLook look;
    FakePageCounts counts;
    bool buttonDown = false;  // the form's button drawn pressed
};

// Paints picture into page (device coordinates of dc).
void PaintFakePage(HDC dc, const RECT& page, const FakePagePicture& picture);

// The game scene alone (FakeScenePainter.cpp).
void PaintFakeScene(HDC dc, const RECT& page, const FakePagePicture& picture);

// The line that tells what reached the page.
std::wstring FakeCountsLine(const FakePageCounts& counts);
