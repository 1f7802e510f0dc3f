// Small GDI helpers for the stand-in's page painters: a font or pen selected
// for one scope, solid and graded fills, translucent shading and text.
#pragma once
#include <windows.h>
#include <string>

// The face Chinese pages ask for; the test prefixes map it to their CJK font.
inline constexpr wchar_t kFakePageFace[] = L"Microsoft YaHei";

// A GDI object made for one scope and selected into dc for its length.
class CFakeSelected {
public:
    CFakeSelected(HDC dc, HGDIOBJ object) : m_dc(dc), m_object(object), m_old(SelectObject(dc, object)) {}
    ~CFakeSelected()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_object);
    }
    CFakeSelected(const CFakeSelected&) = delete;
    CFakeSelected& operator=(const CFakeSelected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    HGDIOBJ m_old;
};

inline HFONT FakeFont(int pixels, bool bold = false, const wchar_t* face = kFakePageFace)
{
    return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, face);
}

inline void FakeFill(HDC dc, const RECT& r, COLORREF colour)
{
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A fill from top colour to bottom colour.
void FakeGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom);
// Darkens r by alpha (0 to 255) of black.
void FakeShade(HDC dc, const RECT& r, BYTE alpha);
// A rectangle outline of the given width, drawn inside r.
void FakeFrame(HDC dc, const RECT& r, COLORREF colour, int width = 1);
// Text in r with DrawText's format; a shadow one pixel down and right when
// shadow is not CLR_INVALID.
void FakeText(HDC dc, const RECT& r, const std::wstring& text, int pixels, bool bold, COLORREF colour, UINT format,
              COLORREF shadow = CLR_INVALID);
// A filled polygon without an outline.
void FakePolygon(HDC dc, const POINT* points, int count, COLORREF colour);
// A filled ellipse without an outline.
void FakeDisc(HDC dc, int cx, int cy, int radius, COLORREF colour);

// The colour a of the way from a to b (0 to 255).
COLORREF FakeMix(COLORREF a, COLORREF b, int weight);
