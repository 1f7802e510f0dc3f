#include "CLauncherProcess.h"
#include <vector>

CLauncherProcess::~CLauncherProcess()
{
    if (!m_process)
        return;
    if (ExitCode() == STILL_ACTIVE) {
        TerminateProcess(m_process, 99);
        WaitForSingleObject(m_process, 5000);
    }
    CloseHandle(m_process);
}

bool CLauncherProcess::Start(const std::wstring& exePath)
{
    if (m_process)
        return false;
    // CreateProcessW may write into the command line: it needs its own copy.
    std::wstring quoted = L"\"" + exePath + L"\"";
    std::vector<wchar_t> commandLine(quoted.begin(), quoted.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return false;
    CloseHandle(info.hThread);
    m_process = info.hProcess;
    m_id = info.dwProcessId;
    m_threadId = info.dwThreadId;
    return true;
}

bool CLauncherProcess::WaitForExit(DWORD timeoutMs)
{
    return m_process && WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
}

DWORD CLauncherProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_process)
        GetExitCodeProcess(m_process, &code);
    return code;
}

std::wstring DosPath(std::wstring path)
{
    if (!path.empty() && path[0] == L'/')
        path = L"Z:" + path;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}
