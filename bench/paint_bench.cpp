// One paint of the skin with the launcher's own code, against a plain copy
// of the skin's pixels:
//
//   bench_paint [PAINTS] [COPIES]
//
// The skin is the launcher's resource (this program links the launcher's
// compiled resources), decoded by LoadPngResource and put on a shown
// layered window by PaintLayered, as the launcher does at every change of
// its blend.  The baseline is memcpy of width x height x 4 bytes, the least
// any paint of those pixels must move.  The first paint is reported on its
// own (GDI+ may finish decoding there); the medians leave it out.  Prints
// key=value lines.
#include "LayeredPaint.h"
#include "PngResource.h"
#include "resource.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const UINT kWidth = 1170;
const UINT kHeight = 750;

double Milliseconds(LONGLONG ticks)
{
    LARGE_INTEGER freq;
    ::QueryPerformanceFrequency(&freq);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(freq.QuadPart);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// Handles what the window's updates queued, outside the timed part.
void DrainMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

double TimePaint(HWND hWnd, Image* pSkin)
{
    LARGE_INTEGER t0;
    LARGE_INTEGER t1;
    ::QueryPerformanceCounter(&t0);
    PaintLayered(hWnd, pSkin, kWidth, kHeight, BLEND_VISIBLE);
    ::QueryPerformanceCounter(&t1);
    DrainMessages();
    return Milliseconds(t1.QuadPart - t0.QuadPart);
}

// Paints and copies measured; false when the skin or the window is missing.
bool Run(HWND hWnd, Image* pSkin, int paints, int copies)
{
    if (pSkin->GetWidth() != kWidth || pSkin->GetHeight() != kHeight) {
        fprintf(stderr, "the skin is %ux%u, expected %ux%u\n", pSkin->GetWidth(), pSkin->GetHeight(), kWidth, kHeight);
        return false;
    }
    double first = TimePaint(hWnd, pSkin);
    ::ShowWindow(hWnd, SW_SHOWNA);
    DrainMessages();
    std::vector<double> paintMs;
    for (int i = 0; i < paints; ++i)
        paintMs.push_back(TimePaint(hWnd, pSkin));

    const size_t cb = static_cast<size_t>(kWidth) * kHeight * 4;
    std::vector<unsigned char> src(cb);
    std::vector<unsigned char> dst(cb);
    for (size_t i = 0; i < cb; ++i)
        src[i] = static_cast<unsigned char>(i * 7);
    std::memcpy(dst.data(), src.data(), cb);  // first touch of every page
    std::vector<double> copyMs;
    unsigned check = 0;
    for (int i = 0; i < copies; ++i) {
        LARGE_INTEGER t0;
        LARGE_INTEGER t1;
        ::QueryPerformanceCounter(&t0);
        std::memcpy(dst.data(), src.data(), cb);
        ::QueryPerformanceCounter(&t1);
        // Reading the copy back keeps the compiler from dropping it.
        check += dst[(static_cast<size_t>(i) * 4099) % cb];
        copyMs.push_back(Milliseconds(t1.QuadPart - t0.QuadPart));
    }

    double paint = Median(paintMs);
    double copy = Median(copyMs);
    printf("bytes=%u\n", static_cast<unsigned>(cb));
    printf("paint_first_ms=%.3f\n", first);
    printf("paint_runs=%d\n", paints);
    printf("paint_median_ms=%.3f\n", paint);
    printf("paint_min_ms=%.3f\n", *std::min_element(paintMs.begin(), paintMs.end()));
    printf("copy_runs=%d\n", copies);
    printf("copy_median_ms=%.3f\n", copy);
    printf("copy_min_ms=%.3f\n", *std::min_element(copyMs.begin(), copyMs.end()));
    printf("ratio=%.1f\n", copy > 0 ? paint / copy : 0.0);
    printf("copy_check=%u\n", check);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int paints = argc > 1 ? _wtoi(argv[1]) : 50;
    const int copies = argc > 2 ? _wtoi(argv[2]) : 200;
    if (paints < 1 || copies < 1) {
        fprintf(stderr, "usage: bench_paint [PAINTS] [COPIES], both positive\n");
        return 2;
    }

    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 1;

    HINSTANCE hInstance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"BenchPaint";
    HWND hWnd = nullptr;
    if (::RegisterClassExW(&wc))
        hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, static_cast<int>(kWidth),
                                 static_cast<int>(kHeight), nullptr, nullptr, hInstance, nullptr);
    Image* pSkin = LoadPngResource(IDB_SKIN);
    int rc = 1;
    if (!hWnd || !pSkin)
        fprintf(stderr, "no window or no skin resource\n");
    else if (Run(hWnd, pSkin, paints, copies))
        rc = 0;
    delete pSkin;
    if (hWnd)
        ::DestroyWindow(hWnd);
    Gdiplus::GdiplusShutdown(token);
    return rc;
}
