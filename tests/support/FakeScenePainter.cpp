// The game page of the stand-in browser: a dusk landscape with a castle
// that fills the page, and the game's interface over it (the page's title
// and its line, health and mana, a minimap, the action bar, the chat).
// Everything is placed in proportion to the page, and drawn the same way
// every time.
#include "FakeGdi.h"
#include "FakePagePainter.h"
#include <vector>

namespace {

const COLORREF kGold = RGB(0xF0, 0xCF, 0x7A);
const COLORREF kDeepGold = RGB(0xA0, 0x7A, 0x3C);
const COLORREF kHorizon = RGB(0xE0, 0x8A, 0x4A);

struct Frame {
    int x, y, w, h;
    int X(double f) const { return x + static_cast<int>(w * f); }
    int Y(double f) const { return y + static_cast<int>(h * f); }
};

RECT Box(int left, int top, int width, int height)
{
    return RECT{left, top, left + width, top + height};
}

// A ridge line through heights (fractions of the page) spread evenly over
// its width, filled down to bottom.
void PaintRidge(HDC dc, const Frame& f, const std::vector<double>& heights, double bottom, COLORREF colour)
{
    std::vector<POINT> points;
    for (size_t i = 0; i < heights.size(); ++i)
        points.push_back(POINT{f.X(static_cast<double>(i) / (heights.size() - 1)), f.Y(heights[i])});
    points.push_back(POINT{f.x + f.w, f.Y(bottom)});
    points.push_back(POINT{f.x, f.Y(bottom)});
    FakePolygon(dc, points.data(), static_cast<int>(points.size()), colour);
}

void PaintSky(HDC dc, const Frame& f)
{
    FakeGradient(dc, Box(f.x, f.y, f.w, f.Y(0.30) - f.y), RGB(0x0C, 0x14, 0x30), RGB(0x3A, 0x2A, 0x5A));
    FakeGradient(dc, Box(f.x, f.Y(0.30), f.w, f.Y(0.56) - f.Y(0.30)), RGB(0x3A, 0x2A, 0x5A), kHorizon);
    FakeFill(dc, Box(f.x, f.Y(0.56), f.w, f.Y(0.80) - f.Y(0.56)), kHorizon);
    // Stars from a fixed sequence, so every picture is the same.
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16 & 0x7FFF; };
    for (int i = 0; i < 120; ++i) {
        int x = f.x + static_cast<int>(next() % static_cast<unsigned>(f.w > 0 ? f.w : 1));
        int y = f.y + static_cast<int>(next() % static_cast<unsigned>(f.h / 3 > 0 ? f.h / 3 : 1));
        int size = next() % 5 == 0 ? 2 : 1;
        FakeFill(dc, Box(x, y, size, size), FakeMix(RGB(0x60, 0x60, 0x90), RGB(0xFF, 0xFF, 0xF0), next() % 200 + 55));
    }
    // The setting sun and its glow.
    int r = f.h / 14 + 1;
    for (int ring = 5; ring >= 0; --ring)
        FakeDisc(dc, f.X(0.70), f.Y(0.50), r + ring * r / 3, FakeMix(kHorizon, RGB(0xFF, 0xE0, 0xA0), 255 - ring * 40));
}

// A castle on the left hill, a keep between two towers with roofs; the
// near hill covers its foot.
void PaintCastle(HDC dc, const Frame& f)
{
    const COLORREF stone = RGB(0x14, 0x0E, 0x1A);
    int base = f.Y(0.62);
    RECT keep = Box(f.X(0.15), base - f.h / 7, f.w * 6 / 100, f.h / 7 + f.h / 20);
    FakeFill(dc, keep, stone);
    for (double at : {0.13, 0.21}) {
        RECT tower = Box(f.X(at), base - f.h / 5, f.w / 40 + 1, f.h / 5 + f.h / 20);
        FakeFill(dc, tower, stone);
        POINT roof[] = {{tower.left - 4, tower.top},
                        {tower.right + 4, tower.top},
                        {(tower.left + tower.right) / 2, tower.top - f.h / 14}};
        FakePolygon(dc, roof, 3, RGB(0x5A, 0x14, 0x18));
        FakeFill(dc, Box((tower.left + tower.right) / 2 - 2, tower.top + f.h / 30, 4, 7), RGB(0xFF, 0xC8, 0x60));
    }
    for (int i = 0; i < 3; ++i)
        FakeFill(dc, Box(keep.left + (keep.right - keep.left) * (i + 1) / 4 - 2, keep.top + f.h / 25, 4, 8),
                 RGB(0xFF, 0xC8, 0x60));
}

void PaintLand(HDC dc, const Frame& f)
{
    PaintRidge(dc, f, {0.54, 0.48, 0.52, 0.45, 0.50, 0.47, 0.56, 0.49, 0.46, 0.51, 0.48, 0.53, 0.50}, 0.80,
               RGB(0x4A, 0x30, 0x50));
    PaintCastle(dc, f);
    PaintRidge(dc, f, {0.66, 0.56, 0.60, 0.63, 0.58, 0.64, 0.61, 0.66, 0.60}, 1.0, RGB(0x22, 0x18, 0x2C));
    FakeGradient(dc, Box(f.x, f.Y(0.80), f.w, f.y + f.h - f.Y(0.80)), RGB(0x22, 0x18, 0x2C), RGB(0x0A, 0x07, 0x0C));
    // The road to the horizon.
    POINT road[] = {{f.X(0.42), f.y + f.h}, {f.X(0.64), f.y + f.h}, {f.X(0.555), f.Y(0.66)}, {f.X(0.54), f.Y(0.66)}};
    FakePolygon(dc, road, 4, RGB(0x3A, 0x2A, 0x30));
}

void PaintBar(HDC dc, const RECT& bar, int percent, COLORREF colour)
{
    FakeFill(dc, bar, RGB(0x20, 0x10, 0x10));
    RECT fill = bar;
    fill.right = bar.left + (bar.right - bar.left) * percent / 100;
    FakeGradient(dc, fill, FakeMix(colour, RGB(0xFF, 0xFF, 0xFF), 70), colour);
    FakeFrame(dc, bar, RGB(0x10, 0x08, 0x08));
}

void PaintInterface(HDC dc, const Frame& f, const FakePagePicture& picture)
{
    // The character panel: portrait, the page's title and line, health and mana.
    RECT panel = Box(f.x + 16, f.y + 16, f.w - 32 < 470 ? f.w - 32 : 470, 112);
    FakeShade(dc, panel, 150);
    FakeFrame(dc, panel, kDeepGold);
    FakeDisc(dc, panel.left + 52, panel.top + 56, 38, kGold);
    FakeDisc(dc, panel.left + 52, panel.top + 56, 35, RGB(0x3A, 0x14, 0x10));
    FakeText(dc, Box(panel.left + 14, panel.top + 18, 76, 76), L"V", 40, true, kGold,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    FakeText(dc, Box(panel.left + 104, panel.top + 10, panel.right - panel.left - 114, 34), picture.title, 24, true,
             kGold, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, RGB(0, 0, 0));
    FakeText(dc, Box(panel.left + 104, panel.top + 46, panel.right - panel.left - 114, 22), picture.look.sceneLine, 14,
             false, RGB(0xE8, 0xE0, 0xD0), DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    PaintBar(dc, Box(panel.left + 104, panel.top + 76, 240, 11), 86, RGB(0xC8, 0x2A, 0x24));
    PaintBar(dc, Box(panel.left + 104, panel.top + 93, 240, 9), 64, RGB(0x2A, 0x5A, 0xD0));

    // The minimap.
    int mx = f.x + f.w - 16 - 62, my = f.y + 16 + 62;
    FakeDisc(dc, mx, my, 62, kDeepGold);
    FakeDisc(dc, mx, my, 58, RGB(0x1A, 0x24, 0x20));
    FakeDisc(dc, mx - 18, my + 10, 14, RGB(0x2A, 0x3A, 0x2A));
    FakeDisc(dc, mx + 20, my - 16, 10, RGB(0x2A, 0x3A, 0x2A));
    FakeDisc(dc, mx, my, 4, RGB(0xF0, 0xE0, 0x60));

    // The action bar: eight slots under the keys 1 to 8.
    const int slot = 46, gap = 6, slots = 8;
    int width = slots * slot + (slots - 1) * gap;
    RECT bar = Box(f.x + (f.w - width) / 2 - 8, f.y + f.h - 16 - slot - 16, width + 16, slot + 16);
    FakeShade(dc, bar, 150);
    FakeFrame(dc, bar, kDeepGold);
    for (int i = 0; i < slots; ++i) {
        RECT s = Box(bar.left + 8 + i * (slot + gap), bar.top + 8, slot, slot);
        FakeGradient(dc, s, RGB(0x3A, 0x30, 0x28), RGB(0x14, 0x10, 0x0C));
        FakeFrame(dc, s, RGB(0x7A, 0x5E, 0x30));
        FakeText(dc, Box(s.left + 4, s.top + 2, 16, 16), std::to_wstring(i + 1), 12, true, kGold,
                 DT_LEFT | DT_TOP | DT_SINGLELINE);
    }

    // The chat, greeting the player in the page's name.
    RECT chat = Box(f.x + 16, f.y + f.h - 16 - 60, 380, 60);
    if (chat.right < bar.left - 8) {
        FakeShade(dc, chat, 120);
        FakeText(dc, Box(chat.left + 10, chat.top + 8, 360, 20), L"【系统】欢迎来到 " + picture.title, 13, false,
                 RGB(0xF0, 0xD0, 0x80), DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);
    }

    // What reached the page, in its lower right corner.
    FakeText(dc, Box(f.x + f.w - 16 - 420, f.y + f.h - 30, 420, 18), FakeCountsLine(picture.counts), 12, false,
             RGB(0xC0, 0xB0, 0x90), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

void PaintFakeScene(HDC dc, const RECT& page, const FakePagePicture& picture)
{
    Frame f = {page.left, page.top, page.right - page.left, page.bottom - page.top};
    PaintSky(dc, f);
    PaintLand(dc, f);
    PaintInterface(dc, f, picture);
}
