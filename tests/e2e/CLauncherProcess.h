// CLauncherProcess: the launcher exe started as a separate process, owned
// for the length of a test.  It is ended on destruction if still running, so
// a failing test never leaves a launcher behind in the prefix.
#pragma once
#include <windows.h>
#include <string>

// A Unix path from the build tree as a path on Wine's Z: drive.
std::wstring DosPath(std::wstring path);

class CLauncherProcess {
public:
    CLauncherProcess() = default;
    ~CLauncherProcess();
    CLauncherProcess(const CLauncherProcess&) = delete;
    CLauncherProcess& operator=(const CLauncherProcess&) = delete;

    // Starts exePath (a DOS path) with no arguments; false if it did not start.
    bool Start(const std::wstring& exePath);
    DWORD Id() const { return m_id; }
    DWORD ThreadId() const { return m_threadId; }
    // Waits up to timeoutMs for the process to end; true once it has.
    bool WaitForExit(DWORD timeoutMs);
    // The exit code once ended, STILL_ACTIVE before.
    DWORD ExitCode() const;

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
    DWORD m_threadId = 0;
};
