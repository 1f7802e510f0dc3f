// Decoding the PNG resources with GDI+, as the launcher does.
#pragma once
#include <windows.h>
#include <gdiplus.h>
#include <memory>
#include <vector>

struct BitmapDeleter {
    void operator()(Gdiplus::Bitmap* p) const { delete p; }
};
using BitmapPtr = std::unique_ptr<Gdiplus::Bitmap, BitmapDeleter>;

// Decodes PNG resource `id` from a stream over a movable copy of its bytes;
// null when the resource is missing or does not decode.  GDI+ must be running.
BitmapPtr DecodePng(WORD id);

// The image as straight (not premultiplied) ARGB words, row by row; empty
// when the pixels cannot be read.
std::vector<UINT32> ArgbPixels(Gdiplus::Bitmap& bitmap);
