// A stand-in for the user's web browser: the test prefix's URL handler
// points here, and each start appends its address to a log file.
//   url_recorder.exe <log file> <address>
#include <windows.h>
#include <shellapi.h>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!argv || argc < 3)
        return 2;
    std::wstring line = std::wstring(argv[2]) + L"\n";
    int n = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, &utf8[0], n, nullptr, nullptr);
    HANDLE h = ::CreateFileW(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    ::WriteFile(h, utf8.data(), static_cast<DWORD>(n - 1), &written, nullptr);
    ::CloseHandle(h);
    ::LocalFree(argv);
    return 0;
}
