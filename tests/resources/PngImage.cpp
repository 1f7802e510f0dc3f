#include "PngImage.h"
#include "ComPtr.h"
#include "ResourceReader.h"
#include <cstring>

BitmapPtr DecodePng(WORD id)
{
    ResourceBytes b = FindResourceBytes(L"PNG", id);
    if (!b.data)
        return nullptr;
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, b.size);
    void* p = copy ? ::GlobalLock(copy) : nullptr;
    if (!p) {
        if (copy)
            ::GlobalFree(copy);
        return nullptr;
    }
    std::memcpy(p, b.data, b.size);
    ::GlobalUnlock(copy);
    CComPtr<IStream> stream;  // owns the copy from here on
    if (FAILED(::CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        ::GlobalFree(copy);
        return nullptr;
    }
    BitmapPtr bitmap(Gdiplus::Bitmap::FromStream(stream, FALSE));
    if (bitmap && bitmap->GetLastStatus() != Gdiplus::Ok)
        bitmap.reset();
    return bitmap;
}

std::vector<UINT32> ArgbPixels(Gdiplus::Bitmap& bitmap)
{
    Gdiplus::Rect all(0, 0, bitmap.GetWidth(), bitmap.GetHeight());
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return {};
    std::vector<UINT32> pixels;
    pixels.reserve(size_t(data.Width) * data.Height);
    for (UINT y = 0; y < data.Height; ++y) {
        auto row = reinterpret_cast<const UINT32*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        pixels.insert(pixels.end(), row, row + data.Width);
    }
    bitmap.UnlockBits(&data);
    return pixels;
}
