// PNG decoding and layered painting.
#include "GdiplusScope.h"
#include "LayeredPaint.h"
#include "PngResource.h"
#include "Pump.h"
#include "ScreenPixels.h"
#include "resource.h"
#include <gtest/gtest.h>
#include <memory>

USE_GDIPLUS_IN_TESTS();

namespace {

HWND MakePopup(int x, int y, int cx, int cy)
{
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, x, y, cx, cy, nullptr, nullptr, nullptr,
                             nullptr);
}

// A 2 x 2 grid of 20-pixel squares: opaque red, fully transparent, half
// transparent blue, opaque green.
std::unique_ptr<Gdiplus::Bitmap> QuadrantImage()
{
    auto bmp = std::make_unique<Gdiplus::Bitmap>(40, 40, PixelFormat32bppARGB);
    const Gdiplus::Color colours[4] = {
        Gdiplus::Color(255, 255, 0, 0),
        Gdiplus::Color(0, 0, 0, 0),
        Gdiplus::Color(128, 0, 0, 255),
        Gdiplus::Color(255, 0, 255, 0),
    };
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            bmp->SetPixel(x, y, colours[(y / 20) * 2 + x / 20]);
    return bmp;
}

int Channel(COLORREF c, int shift)
{
    return static_cast<int>((c >> shift) & 0xFF);
}

TEST(LoadPngResource, MissingIdGivesNull)
{
    EXPECT_EQ(LoadPngResource(144), nullptr);
    EXPECT_EQ(LoadPngResource(IDB_BTN_CLOSE_HOVER + 1), nullptr);
}

TEST(LoadPngResource, DecodesToTheImageSize)
{
    std::unique_ptr<Image> skin(LoadPngResource(IDB_SKIN));
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->GetWidth(), 1170u);
    EXPECT_EQ(skin->GetHeight(), 750u);
}

TEST(PaintLayered, SizesToTheImageAtTheSameCorner)
{
    std::unique_ptr<Image> skin(LoadPngResource(IDB_SKIN));
    ASSERT_NE(skin, nullptr);
    HWND hWnd = MakePopup(50, 60, 10, 10);
    ASSERT_EQ(::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);

    PaintLayered(hWnd, skin.get(), 1170, 750, BLEND_VISIBLE);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc.left, 50);
    EXPECT_EQ(rc.top, 60);
    EXPECT_EQ(rc.right - rc.left, 1170);
    EXPECT_EQ(rc.bottom - rc.top, 750);
    LONG exStyle = ::GetWindowLongW(hWnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);

    PaintLayered(hWnd, skin.get(), 1170, 750, BLEND_HIDDEN);
    EXPECT_EQ(::GetWindowLongW(hWnd, GWL_EXSTYLE), exStyle) << "a second paint keeps the extended style";
    ::DestroyWindow(hWnd);
}

TEST(PaintLayered, BlendValues)
{
    DWORD hidden, visible;
    static_assert(sizeof(BLENDFUNCTION) == 4, "four bytes");
    memcpy(&hidden, &BLEND_HIDDEN, 4);
    memcpy(&visible, &BLEND_VISIBLE, 4);
    EXPECT_EQ(hidden, 0x01000000u);
    EXPECT_EQ(visible, 0x01FF0000u);
}

TEST(PaintLayered, ScreenShowsTheImageAlphaOverWhatIsBehind)
{
    CBackdrop white({100, 100, 300, 300}, RGB(255, 255, 255));
    auto image = QuadrantImage();
    HWND hWnd = MakePopup(120, 120, 5, 5);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    PaintLayered(hWnd, image.get(), 40, 40, BLEND_VISIBLE);
    // The backdrop is white until the image reaches the screen.
    PumpUntil([] { return ScreenPixel(130, 130) != 0xFFFFFFu; });

    EXPECT_EQ(ScreenPixel(130, 130), 0xFF0000u) << "opaque red";
    EXPECT_EQ(ScreenPixel(150, 130), 0xFFFFFFu) << "transparent: the backdrop shows";
    // Half-transparent blue: a compositing display blends it over the white
    // backdrop; a display without one (plain Xvfb) shows the premultiplied
    // colour the surface holds.  Either way the alpha reached the surface:
    // opaque blue would read 0x0000FF.
    COLORREF half = ScreenPixel(130, 150);
    bool blended = Channel(half, 16) > 120 && Channel(half, 16) < 135 && Channel(half, 0) == 255;
    bool premultiplied = Channel(half, 16) == 0 && Channel(half, 8) == 0 && Channel(half, 0) > 120
                         && Channel(half, 0) < 135;
    EXPECT_TRUE(blended || premultiplied) << std::hex << half;
    EXPECT_EQ(ScreenPixel(150, 150), 0x00FF00u) << "opaque green";

    PaintLayered(hWnd, image.get(), 40, 40, BLEND_HIDDEN);
    PumpUntil([] { return ScreenPixel(130, 130) != 0xFF0000u; });
    EXPECT_EQ(ScreenPixel(130, 130), 0xFFFFFFu) << "hidden blend shows nothing";
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc.left, 120);
    EXPECT_EQ(rc.right - rc.left, 40) << "but keeps place and size";
    ::DestroyWindow(hWnd);
}

}  // namespace
