#include "FakeGdi.h"

void FakeGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom)
{
    TRIVERTEX v[2] = {};
    v[0] = {r.left,
            r.top,
            static_cast<COLOR16>(GetRValue(top) << 8),
            static_cast<COLOR16>(GetGValue(top) << 8),
            static_cast<COLOR16>(GetBValue(top) << 8),
            0};
    v[1] = {r.right,
            r.bottom,
            static_cast<COLOR16>(GetRValue(bottom) << 8),
            static_cast<COLOR16>(GetGValue(bottom) << 8),
            static_cast<COLOR16>(GetBValue(bottom) << 8),
            0};
    GRADIENT_RECT g = {0, 1};
    GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
}

void FakeShade(HDC dc, const RECT& r, BYTE alpha)
{
    // One black pixel, stretched over r at the given opacity.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP pixel = CreateCompatibleBitmap(dc, 1, 1);
    HGDIOBJ old = SelectObject(memory, pixel);
    SetPixel(memory, 0, 0, RGB(0, 0, 0));
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, alpha, 0};
    AlphaBlend(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, 1, 1, blend);
    SelectObject(memory, old);
    DeleteObject(pixel);
    DeleteDC(memory);
}

void FakeFrame(HDC dc, const RECT& r, COLORREF colour, int width)
{
    RECT edge = r;
    for (int i = 0; i < width; ++i) {
        SetDCBrushColor(dc, colour);
        FrameRect(dc, &edge, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        InflateRect(&edge, -1, -1);
    }
}

void FakeText(HDC dc, const RECT& r, const std::wstring& text, int pixels, bool bold, COLORREF colour, UINT format,
              COLORREF shadow)
{
    CFakeSelected font(dc, FakeFont(pixels, bold));
    SetBkMode(dc, TRANSPARENT);
    RECT box = r;
    if (shadow != CLR_INVALID) {
        RECT under = r;
        OffsetRect(&under, 1, 1);
        SetTextColor(dc, shadow);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &under, format | DT_NOPREFIX);
    }
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_NOPREFIX);
}

void FakePolygon(HDC dc, const POINT* points, int count, COLORREF colour)
{
    CFakeSelected brush(dc, CreateSolidBrush(colour));
    CFakeSelected pen(dc, CreatePen(PS_SOLID, 1, colour));
    Polygon(dc, points, count);
}

void FakeDisc(HDC dc, int cx, int cy, int radius, COLORREF colour)
{
    CFakeSelected brush(dc, CreateSolidBrush(colour));
    CFakeSelected pen(dc, CreatePen(PS_SOLID, 1, colour));
    Ellipse(dc, cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
}

COLORREF FakeMix(COLORREF a, COLORREF b, int weight)
{
    auto channel = [weight](int x, int y) { return static_cast<BYTE>(x + (y - x) * weight / 255); };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}
