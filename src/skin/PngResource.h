// Decoding the launcher's PNG resources into GDI+ images.
#pragma once
#include <windows.h>
#include <gdiplus.h>

using Gdiplus::Image;

// Decodes the resource of type "PNG" named by the numeric id from the
// framework's resource module.  The caller owns the result; null when the
// resource is missing or cannot be read, or when no image object can be
// made.  An image that fails to decode is still returned and reads as 0 x 0.
Image* LoadPngResource(UINT nID);
