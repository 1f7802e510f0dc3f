// CFakePageTable: the process-wide address -> page table that the stand-in
// browser consults when a navigation completes.
#pragma once
#include "FakePage.h"
#include <map>

class CFakePageTable {
public:
    // Adds or replaces the page for page.url.
    static void Set(const FakePage& page);
    // The page for url; an unknown address gives an empty page of that url.
    static FakePage Find(const std::wstring& url);
    static void Clear();

private:
    static std::map<std::wstring, FakePage>& Pages();
};
