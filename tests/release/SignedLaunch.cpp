// A signed launcher as a player's machine meets it: the system's trust
// provider checks its Authenticode signature, and the program starts to its
// main window, the skin titled as its version block's product name (both
// are the configured window title).  Then the window is closed as the
// system would close it, and the launcher ends.
//
//   signed_launch.exe <exe> <expected WinVerifyTrust result, hex> [--launch]
//
// Without --launch only the trust provider's verdict is checked, so files
// that must not run (a tampered copy) can be judged too.
#include "CLauncherProcess.h"
#include "LauncherWindows.h"
#include "WaitUntil.h"
#include <windows.h>
#include <softpub.h>
#include <wintrust.h>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// WinVerifyTrust's Authenticode verdict on the file, with no user interface.
LONG TrustOf(const std::wstring& path)
{
    WINTRUST_FILE_INFO file = {};
    file.cbStruct = sizeof(file);
    file.pcwszFilePath = path.c_str();
    WINTRUST_DATA data = {};
    data.cbStruct = sizeof(data);
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    LONG result = WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    return result;
}

// The version block's ProductName, which the build sets to the window title.
std::wstring ProductNameOf(const std::wstring& exe)
{
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    std::vector<BYTE> block(size);
    wchar_t* name = nullptr;
    UINT length = 0;
    if (!size || !GetFileVersionInfoW(exe.c_str(), 0, size, block.data())
        || !VerQueryValueW(block.data(), L"\\StringFileInfo\\080403a8\\ProductName", reinterpret_cast<void**>(&name),
                           &length))
        return L"";
    return name;
}

// One line on a standard stream, in UTF-8 whatever the C locale.
void Say(FILE* stream, const std::wstring& text)
{
    std::wstring line = L"signed_launch: " + text + L"\n";
    int bytes = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
    fwrite(utf8.data(), 1, utf8.size() - 1, stream);
    fflush(stream);
}

int Fail(const std::wstring& what)
{
    Say(stderr, what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3 || argc > 4 || (argc == 4 && std::wstring(argv[3]) != L"--launch"))
        return Fail(L"usage: signed_launch EXE EXPECTED-TRUST-RESULT [--launch]");
    std::wstring exe = DosPath(argv[1]);
    std::wstring expected = argv[2];

    LONG trust = TrustOf(exe);
    wchar_t verdict[16];
    swprintf(verdict, 16, L"%08lx", static_cast<unsigned long>(trust));
    Say(stdout, L"WinVerifyTrust gives 0x" + std::wstring(verdict));
    if (static_cast<unsigned long>(trust) != wcstoul(expected.c_str(), nullptr, 16))
        return Fail(L"the trust provider's verdict is not " + expected);
    if (argc < 4)
        return 0;

    std::wstring title = ProductNameOf(exe);
    if (title.empty())
        return Fail(L"no product name in the version block of " + exe);
    CLauncherProcess launcher;
    if (!launcher.Start(exe))
        return Fail(L"could not start " + exe);
    LauncherScreen screen;
    if (!WaitUntil(
            [&] {
        screen = Look(launcher.Id());
        return screen.main.visible && screen.main.caption == title;
            },
            15000))
        return Fail(L"no main window titled " + title + L":\n" + Describe(TopLevelWindows(launcher.Id())));
    if (screen.main.Width() != 1170 || screen.main.Height() != 750 || !(screen.main.exStyle & WS_EX_LAYERED))
        return Fail(L"the main window is not the layered skin:\n" + Describe({screen.main}));
    Say(stdout, L"main window \"" + title + L"\", " + std::to_wstring(screen.main.Width()) + L" x "
                    + std::to_wstring(screen.main.Height()) + L", layered");

    PostMessageW(screen.main.hwnd, WM_CLOSE, 0, 0);
    if (!launcher.WaitForExit(10000))
        return Fail(L"the launcher did not end after WM_CLOSE");
    if (launcher.ExitCode() != 0)
        return Fail(L"the launcher ended with " + std::to_wstring(launcher.ExitCode()));
    Say(stdout, L"closed, exit code 0");
    return 0;
}
