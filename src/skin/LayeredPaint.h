// Layered painting: an image as the whole content of a window, shown with
// per-pixel alpha.
#pragma once
#include <windows.h>
#include <gdiplus.h>

using Gdiplus::Image;

// Both blends take each pixel's own alpha; BLEND_HIDDEN scales the whole
// window to nothing, BLEND_VISIBLE leaves only the image's alpha.
extern const BLENDFUNCTION BLEND_HIDDEN;   // SourceConstantAlpha 0
extern const BLENDFUNCTION BLEND_VISIBLE;  // SourceConstantAlpha 255

// Makes hWnd a layered window (once) and puts pImage on it at width x
// height, keeping the window's top-left corner.  A null image paints a
// blank surface.  Reports nothing; every object it makes is freed before it
// returns.
void PaintLayered(HWND hWnd, Image* pImage, UINT width, UINT height, const BLENDFUNCTION& blend);
