#include "FakePagePainter.h"
#include "FakeFormLayout.h"
#include "FakeGdi.h"

namespace {

// The operator's colours: dark lacquer, gold and a red button, as on the
// launcher's skin.
const COLORREF kGold = RGB(0xF0, 0xCF, 0x7A);
const COLORREF kDeepGold = RGB(0xA0, 0x7A, 0x3C);
const COLORREF kInk = RGB(0x2A, 0x1A, 0x10);
const COLORREF kParchment = RGB(0xF7, 0xF2, 0xE8);
const COLORREF kLabel = RGB(0xE0, 0xCF, 0xA8);

void PaintPlain(HDC dc, const RECT& page, const FakePagePicture& picture)
{
    FakeFill(dc, page, RGB(0xFF, 0xFF, 0xFF));
    RECT text = page;
    InflateRect(&text, -8, -8);
    FakeText(dc, text, picture.title + L"\n" + picture.url, 14, false, RGB(0x20, 0x20, 0x20),
             DT_LEFT | DT_TOP | DT_WORDBREAK);
}

// A small gold rule with a diamond in its middle, under the heading.
void PaintOrnament(HDC dc, int cx, int y)
{
    RECT left = {cx - 150, y, cx - 10, y + 1};
    RECT right = {cx + 10, y, cx + 150, y + 1};
    FakeFill(dc, left, kDeepGold);
    FakeFill(dc, right, kDeepGold);
    POINT diamond[] = {{cx, y - 5}, {cx + 5, y}, {cx, y + 5}, {cx - 5, y}};
    FakePolygon(dc, diamond, 4, kGold);
}

void PaintField(HDC dc, const RECT& label, const RECT& box, const FakeField& field)
{
    FakeText(dc, label, field.label, 15, false, kLabel, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    FakeFill(dc, box, kParchment);
    FakeFrame(dc, box, kDeepGold);
    RECT text = box;
    InflateRect(&text, -10, 0);
    std::wstring shown = field.value;
    if (field.kind == FakeField::Password)
        shown.assign(field.value.size(), L'●');
    if (field.kind == FakeField::Choice) {
        // The drop-down's arrow box at the right end.
        RECT arrow = {box.right - 30, box.top + 1, box.right - 1, box.bottom - 1};
        FakeFill(dc, arrow, RGB(0xE6, 0xDA, 0xC4));
        RECT rule = {arrow.left, arrow.top, arrow.left + 1, arrow.bottom};
        FakeFill(dc, rule, kDeepGold);
        int cx = (arrow.left + arrow.right) / 2, cy = (arrow.top + arrow.bottom) / 2;
        POINT down[] = {{cx - 6, cy - 3}, {cx + 6, cy - 3}, {cx, cy + 4}};
        FakePolygon(dc, down, 3, RGB(0x6A, 0x4A, 0x20));
        text.right = arrow.left - 6;
    }
    FakeText(dc, text, shown, 15, false, kInk, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void PaintButton(HDC dc, const RECT& button, const std::wstring& label, bool down)
{
    RECT face = button;
    FakeFill(dc, face, kGold);
    InflateRect(&face, -2, -2);
    if (down)
        FakeGradient(dc, face, RGB(0x80, 0x12, 0x0E), RGB(0xB8, 0x30, 0x22));
    else
        FakeGradient(dc, face, RGB(0xD8, 0x40, 0x2E), RGB(0x86, 0x14, 0x10));
    RECT text = face;
    if (down)
        OffsetRect(&text, 1, 1);
    FakeText(dc, text, label, 20, true, RGB(0xFF, 0xF4, 0xD0), DT_CENTER | DT_VCENTER | DT_SINGLELINE,
             RGB(0x40, 0x08, 0x04));
}

void PaintForm(HDC dc, const RECT& page, const FakePagePicture& picture)
{
    const FakePageLook& look = picture.look;
    FakeFormLayout l = FakeFormLayout::For(page);
    FakeGradient(dc, page, RGB(0x3A, 0x14, 0x10), RGB(0x12, 0x0A, 0x08));

    FakeText(dc, l.heading, look.heading, 24, true, kGold, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
             RGB(0x10, 0x04, 0x02));
    PaintOrnament(dc, (l.heading.left + l.heading.right) / 2, l.heading.bottom + 8);

    RECT card = l.card;
    FakeShade(dc, card, 110);
    FakeFrame(dc, card, kDeepGold);
    InflateRect(&card, -3, -3);
    FakeFrame(dc, card, RGB(0x4A, 0x35, 0x20));

    for (size_t i = 0; i < look.fields.size() && i < FakeFormLayout::kRows; ++i)
        PaintField(dc, l.labels[i], l.fields[i], look.fields[i]);
    if (!look.links.empty())
        FakeText(dc, l.hint, look.links.front(), 13, false, RGB(0xC8, 0xA8, 0x60),
                 DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    if (!look.button.empty())
        PaintButton(dc, l.button, look.button, picture.buttonDown);

    // The first link under the fields, the others on the left of the line
    // under the card; what reached the page on its right.
    std::wstring links;
    for (size_t i = 1; i < look.links.size(); ++i)
        links += (i > 1 ? L"  ·  " : L"") + look.links[i];
    FakeText(dc, l.footer, links, 12, false, RGB(0xB0, 0x98, 0x70), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    FakeText(dc, l.footer, FakeCountsLine(picture.counts), 12, false, RGB(0x90, 0x80, 0x68),
             DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

std::wstring FakeCountsLine(const FakePageCounts& counts)
{
    return L"本页收到：刷新 " + std::to_wstring(counts.reloads) + L" · 回车 " + std::to_wstring(counts.enters)
           + L" · 右键 " + std::to_wstring(counts.rightClicks);
}

void PaintFakePage(HDC dc, const RECT& page, const FakePagePicture& picture)
{
    if (picture.look.scene)
        PaintFakeScene(dc, page, picture);
    else if (picture.look.IsForm())
        PaintForm(dc, page, picture);
    else
        PaintPlain(dc, page, picture);
}
