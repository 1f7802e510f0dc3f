#include "UrlHandler.h"
#include "Pump.h"
#include <windows.h>

namespace {

std::wstring ModuleDir()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path);
    return s.substr(0, s.find_last_of(L"\\/"));
}

std::wstring ReadValue(const std::wstring& key)
{
    wchar_t buf[1024] = {};
    DWORD cb = sizeof(buf) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buf, &cb) != ERROR_SUCCESS)
        return L"";
    return buf;
}

void WriteValue(const std::wstring& key, const std::wstring& value)
{
    HKEY h = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr)
        != ERROR_SUCCESS)
        return;
    ::RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(h);
}

std::vector<std::wstring> SplitLines(const std::string& utf8)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\n')
            continue;
        std::string part = utf8.substr(start, i - start);
        int n = ::MultiByteToWideChar(CP_UTF8, 0, part.data(), static_cast<int>(part.size()), nullptr, 0);
        std::wstring w(static_cast<size_t>(n), L'\0');
        ::MultiByteToWideChar(CP_UTF8, 0, part.data(), static_cast<int>(part.size()), &w[0], n);
        lines.push_back(w);
        start = i + 1;
    }
    return lines;
}

}  // namespace

CUrlHandlerRedirect::CUrlHandlerRedirect()
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    m_log = std::wstring(temp) + L"launcher-test-urls.txt";
    ::DeleteFileW(m_log.c_str());
    std::wstring recorder = ModuleDir() + L"\\..\\common\\url_recorder.exe";
    std::wstring command = L"\"" + recorder + L"\" \"" + m_log + L"\" \"%1\"";
    for (const wchar_t* scheme : {L"http", L"https"}) {
        std::wstring key = std::wstring(scheme) + L"\\shell\\open\\command";
        m_saved.emplace_back(key, ReadValue(key));
        WriteValue(key, command);
    }
}

CUrlHandlerRedirect::~CUrlHandlerRedirect()
{
    for (const auto& saved : m_saved)
        WriteValue(saved.first, saved.second);
    ::DeleteFileW(m_log.c_str());
}

std::vector<std::wstring> CUrlHandlerRedirect::WaitForAddresses(size_t count, unsigned timeoutMs) const
{
    std::vector<std::wstring> lines;
    PumpUntil(
        [&] {
        HANDLE h = ::CreateFileW(m_log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        char buf[8192];
        DWORD got = 0;
        ::ReadFile(h, buf, sizeof(buf), &got, nullptr);
        ::CloseHandle(h);
        lines = SplitLines(std::string(buf, got));
        return lines.size() >= count;
        },
        timeoutMs);
    return lines;
}
