// Times programs from process creation to their first layered paint, from
// outside and without changing them:
//
//   bench_start_probe RUNS WIDTH HEIGHT TARGET.exe BASELINE.exe
//
// Each run takes the time, creates the process and polls the window list
// until a top-level window of that process is layered and WIDTH x HEIGHT;
// then it takes the time again and ends the process (neither program
// writes anything, so ending it is safe).  A window only becomes layered
// right before its first UpdateLayeredWindow, so that is the moment caught,
// to within one poll (about a millisecond).  Runs alternate between the two
// programs, so a drift of the machine hits both alike; each program has one
// untimed run first.  Prints key=value lines.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const DWORD kTimeoutMs = 30000;
const DWORD kSettleMs = 300;  // lets the ended process's windows go away

struct Search {
    DWORD pid;
    LONG cx;
    LONG cy;
    bool found;
};

BOOL CALLBACK FindPaintedWindow(HWND hWnd, LPARAM lParam)
{
    Search* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != pSearch->pid)
        return TRUE;
    if (!(::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYERED))
        return TRUE;
    RECT rc = {};
    if (!::GetWindowRect(hWnd, &rc))
        return TRUE;
    if (rc.right - rc.left != pSearch->cx || rc.bottom - rc.top != pSearch->cy)
        return TRUE;
    pSearch->found = true;
    return FALSE;
}

double Milliseconds(LONGLONG ticks)
{
    LARGE_INTEGER freq;
    ::QueryPerformanceFrequency(&freq);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(freq.QuadPart);
}

// One timed start of the program; milliseconds to the painted window, or a
// negative value when the process could not start, ended first or timed out.
double TimeOneStart(const wchar_t* path, LONG cx, LONG cy)
{
    std::vector<wchar_t> cmdLine(wcslen(path) + 3);
    swprintf(cmdLine.data(), cmdLine.size(), L"\"%ls\"", path);
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};

    LARGE_INTEGER t0;
    LARGE_INTEGER t1;
    ::QueryPerformanceCounter(&t0);
    if (!::CreateProcessW(path, cmdLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        fwprintf(stderr, L"cannot start %ls (error %lu)\n", path, ::GetLastError());
        return -1.0;
    }
    Search search = {pi.dwProcessId, cx, cy, false};
    double ms = -1.0;
    for (;;) {
        ::EnumWindows(FindPaintedWindow, reinterpret_cast<LPARAM>(&search));
        ::QueryPerformanceCounter(&t1);
        if (search.found) {
            ms = Milliseconds(t1.QuadPart - t0.QuadPart);
            break;
        }
        if (Milliseconds(t1.QuadPart - t0.QuadPart) > kTimeoutMs) {
            fwprintf(stderr, L"no %ldx%ld layered window from %ls in %lu ms\n", cx, cy, path, kTimeoutMs);
            break;
        }
        // Doubles as the poll interval: the probe must not take the CPU
        // the program under test needs.
        if (::WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) {
            fwprintf(stderr, L"%ls ended before its first layered paint\n", path);
            break;
        }
    }
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, kTimeoutMs);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    ::Sleep(kSettleMs);
    return ms;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void PrintFigures(const char* name, const std::vector<double>& v)
{
    printf("%s_runs=%u\n", name, static_cast<unsigned>(v.size()));
    printf("%s_median_ms=%.1f\n", name, Median(v));
    printf("%s_min_ms=%.1f\n", name, *std::min_element(v.begin(), v.end()));
    printf("%s_max_ms=%.1f\n", name, *std::max_element(v.begin(), v.end()));
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 6) {
        fwprintf(stderr, L"usage: bench_start_probe RUNS WIDTH HEIGHT TARGET.exe BASELINE.exe\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    const LONG cx = _wtol(argv[2]);
    const LONG cy = _wtol(argv[3]);
    const wchar_t* target = argv[4];
    const wchar_t* baseline = argv[5];
    if (runs < 1 || cx <= 0 || cy <= 0) {
        fwprintf(stderr, L"RUNS, WIDTH and HEIGHT must be positive\n");
        return 2;
    }

    // Untimed: the first start of each pays for loading its files.
    if (TimeOneStart(target, cx, cy) < 0 || TimeOneStart(baseline, cx, cy) < 0)
        return 1;

    std::vector<double> targetMs;
    std::vector<double> baselineMs;
    for (int i = 0; i < runs; ++i) {
        double t = TimeOneStart(target, cx, cy);
        double b = TimeOneStart(baseline, cx, cy);
        if (t < 0 || b < 0)
            return 1;
        printf("run %d: target %.1f ms, baseline %.1f ms\n", i + 1, t, b);
        targetMs.push_back(t);
        baselineMs.push_back(b);
    }
    PrintFigures("target", targetMs);
    PrintFigures("baseline", baselineMs);
    printf("ratio=%.2f\n", Median(targetMs) / Median(baselineMs));
    return 0;
}
