#include "PngResource.h"
#include "CWinApp.h"
#include <cstring>

Image* LoadPngResource(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceW(hInst, MAKEINTRESOURCEW(nID), L"PNG");
    if (!hRes)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    if (!hData)
        return nullptr;
    const void* pData = ::LockResource(hData);
    if (!pData)
        return nullptr;

    // GDI+ reads the image lazily from its stream, so it gets a movable
    // copy of the bytes that the stream owns rather than the resource itself.
    DWORD cb = ::SizeofResource(hInst, hRes);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (!hCopy)
        return nullptr;
    void* pCopy = ::GlobalLock(hCopy);
    if (!pCopy) {
        ::GlobalFree(hCopy);
        return nullptr;
    }
    std::memcpy(pCopy, pData, cb);
    ::GlobalUnlock(hCopy);

    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hCopy, TRUE, &pStream)) || !pStream) {
        ::GlobalFree(hCopy);
        return nullptr;
    }

    // Embedded colour management off: the skin's colour profile and
    // chromaticity chunk must not shift its colours.
    Image* pImage = Image::FromStream(pStream, FALSE);
    pStream->Release();
    return pImage;
}
