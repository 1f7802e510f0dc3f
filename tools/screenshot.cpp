// Writes what the screen shows into a PNG file: screenshot.exe <out.png>
// Used by the demo to record each phase of the launch.
#include <windows.h>
#include <gdiplus.h>
#include <shellapi.h>
#include <vector>

namespace {

bool PngEncoder(CLSID* pClsid)
{
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (!size)
        return false;
    std::vector<BYTE> buf(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buf.data());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            *pClsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!argv || argc < 2)
        return 2;

    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    int rc = 1;
    {
        int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
        HDC hdcScreen = ::GetDC(nullptr);
        HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
        HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
        HGDIOBJ old = ::SelectObject(hdcMem, hbm);
        ::BitBlt(hdcMem, 0, 0, cx, cy, hdcScreen, 0, 0, SRCCOPY);
        ::SelectObject(hdcMem, old);
        CLSID png;
        Gdiplus::Bitmap bitmap(hbm, nullptr);
        if (PngEncoder(&png) && bitmap.Save(argv[1], &png, nullptr) == Gdiplus::Ok)
            rc = 0;
        ::DeleteObject(hbm);
        ::DeleteDC(hdcMem);
        ::ReleaseDC(nullptr, hdcScreen);
    }
    Gdiplus::GdiplusShutdown(token);
    ::LocalFree(argv);
    return rc;
}
