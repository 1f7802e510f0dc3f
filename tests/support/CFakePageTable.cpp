#include "CFakePageTable.h"

std::map<std::wstring, FakePage>& CFakePageTable::Pages()
{
    static std::map<std::wstring, FakePage> pages;
    return pages;
}

void CFakePageTable::Set(const FakePage& page)
{
    Pages()[page.url] = page;
}

FakePage CFakePageTable::Find(const std::wstring& url)
{
    auto it = Pages().find(url);
    if (it != Pages().end())
        return it->second;
    FakePage empty;
    empty.url = url;
    return empty;
}

void CFakePageTable::Clear()
{
    Pages().clear();
}
