// Points the test prefix's http and https handlers at url_recorder.exe for
// the life of the object, and reads back what it recorded.  The previous
// handlers are put back afterwards.
#pragma once
#include <string>
#include <vector>

class CUrlHandlerRedirect {
public:
    CUrlHandlerRedirect();
    ~CUrlHandlerRedirect();
    CUrlHandlerRedirect(const CUrlHandlerRedirect&) = delete;
    CUrlHandlerRedirect& operator=(const CUrlHandlerRedirect&) = delete;

    // Waits until at least count addresses were recorded (or timeoutMs).
    std::vector<std::wstring> WaitForAddresses(size_t count, unsigned timeoutMs = 10000) const;

private:
    std::wstring m_log;
    std::vector<std::pair<std::wstring, std::wstring>> m_saved;  // key, old command
};
