// OccCallLog: collects what hosted controls ask of the container's sites
// while it lives (through the framework's trace hook), as lines such as
// "IOleInPlaceSite::GetWindowContext -> S_OK" or
// "QueryInterface(IDocHostUIHandler) -> E_NOINTERFACE".
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class OccCallLog {
public:
    OccCallLog();
    ~OccCallLog();
    OccCallLog(const OccCallLog&) = delete;
    OccCallLog& operator=(const OccCallLog&) = delete;

    // Index of the first line starting with prefix at or after from; -1: none.
    int Find(const std::wstring& prefix, int from = 0) const;
    std::string Text() const;  // all lines, for failure messages and reports
};

std::wstring InterfaceName(REFIID riid);
