#include "LayeredPaint.h"
#include "GdiHandles.h"

const BLENDFUNCTION BLEND_HIDDEN = {AC_SRC_OVER, 0, 0, AC_SRC_ALPHA};
const BLENDFUNCTION BLEND_VISIBLE = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

void PaintLayered(HWND hWnd, Image* pImage, UINT width, UINT height, const BLENDFUNCTION& blend)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    POINT ptDst = {rc.left, rc.top};  // the update never moves the window

    CWindowDC hdcWnd(hWnd);
    CMemoryDC hdcMem(hdcWnd);
    CGdiHandle<HBITMAP> hBitmap(::CreateCompatibleBitmap(hdcWnd, static_cast<int>(width), static_cast<int>(height)));
    CSelectObject select(hdcMem, hBitmap);
    {
        Gdiplus::Graphics graphics(hdcMem);
        if (pImage) {
            const Gdiplus::Point dest[3] = {
                Gdiplus::Point(0, 0),
                Gdiplus::Point(static_cast<INT>(width), 0),
                Gdiplus::Point(0, static_cast<INT>(height)),
            };
            if (Gdiplus::IsAlphaPixelFormat(pImage->GetPixelFormat())) {
                graphics.DrawImage(pImage, dest, 3);
            } else {
                // An image without alpha (the RGB buttons) drawn straight
                // onto the context leaves the surface's alpha bytes at 0,
                // which the per-pixel update shows as fully transparent.
                // Drawn through a 32-bit ARGB copy, every pixel carries
                // alpha 255 and the image shows as an opaque rectangle.
                Gdiplus::Bitmap opaque(static_cast<INT>(width), static_cast<INT>(height), PixelFormat32bppARGB);
                {
                    Gdiplus::Graphics copy(&opaque);
                    copy.DrawImage(pImage, dest, 3);
                }
                graphics.DrawImage(&opaque, dest, 3);
            }
        }

        LONG exStyle = ::GetWindowLongW(hWnd, GWL_EXSTYLE);
        if (!(exStyle & WS_EX_LAYERED))
            ::SetWindowLongW(hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);

        SIZE size = {static_cast<LONG>(width), static_cast<LONG>(height)};
        POINT ptSrc = {0, 0};
        BLENDFUNCTION bf = blend;
        ::UpdateLayeredWindow(hWnd, hdcWnd, &ptDst, &size, hdcMem, &ptSrc, 0, &bf, ULW_ALPHA);
    }
    // Leaving scope: the Graphics went first; now the bitmap is selected
    // out and deleted, then the memory context, then the window's context.
}
