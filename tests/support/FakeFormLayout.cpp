#include "FakeFormLayout.h"

namespace {

RECT At(int left, int top, int width, int height)
{
    return RECT{left, top, left + width, top + height};
}

}  // namespace

FakeFormLayout FakeFormLayout::For(const RECT& page)
{
    FakeFormLayout l = {};
    int left = page.left + kMargin;
    int top = page.top + kMargin;
    l.body = RECT{left, top, left + kBodyWidth, top + kBodyHeight};
    if (l.body.right > page.right)
        l.body.right = page.right;
    if (l.body.bottom > page.bottom)
        l.body.bottom = page.bottom;

    // Laid out on the full box, so a page clipped by a small pane keeps its
    // positions and loses its lower right, as a real page does.
    l.heading = At(left, top + 14, kBodyWidth, 44);
    const int cardWidth = 400, cardHeight = 284;
    l.card = At(left + (kBodyWidth - cardWidth) / 2, top + 80, cardWidth, cardHeight);
    for (int i = 0; i < kRows; ++i) {
        int y = l.card.top + 26 + i * 50;
        l.labels[i] = At(l.card.left + 26, y, 76, 34);
        l.fields[i] = At(l.card.left + 106, y, cardWidth - 106 - 30, 34);
    }
    l.hint = At(l.fields[0].left, l.card.top + 172, l.fields[0].right - l.fields[0].left, 20);
    l.button = At(l.card.left + (cardWidth - 220) / 2, l.card.top + 208, 220, 46);
    l.footer = At(left + 12, l.card.bottom + 4, kBodyWidth - 24, kBodyHeight - (l.card.bottom + 4 - top));
    return l;
}
