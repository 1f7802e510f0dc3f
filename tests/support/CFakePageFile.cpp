#include "CFakePageFile.h"
#include "CFakePageTable.h"
#include <windows.h>
#include <sstream>
#include <vector>

namespace {

std::vector<std::wstring> Fields(const std::wstring& line)
{
    std::vector<std::wstring> fields;
    size_t start = 0;
    while (true) {
        size_t tab = line.find(L'\t', start);
        fields.push_back(line.substr(start, tab == std::wstring::npos ? std::wstring::npos : tab - start));
        if (tab == std::wstring::npos)
            return fields;
        start = tab + 1;
    }
}

void SetFlag(FakePage& page, const std::wstring& flag)
{
    if (flag == L"noDocument")
        page.noDocument = true;
    else if (flag == L"noDocument3")
        page.noDocument3 = true;
    else if (flag == L"noCustomDoc")
        page.noCustomDoc = true;
    else if (flag == L"itemFails")
        page.itemFails = true;
    else if (flag == L"itemWrongInterface")
        page.itemWrongInterface = true;
}

}  // namespace

int CFakePageFile::Load(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return Parse(text);
}

int CFakePageFile::Parse(const std::wstring& text)
{
    std::vector<FakePage> pages;
    FakePage* current = nullptr;  // the page or frame that title/input/flags apply to
    std::wistringstream lines(text);
    std::wstring line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        if (line.empty() || line[0] == L'#')
            continue;
        size_t space = line.find(L' ');
        std::wstring keyword = line.substr(0, space);
        std::wstring rest = space == std::wstring::npos ? std::wstring() : line.substr(space + 1);
        if (keyword == L"page") {
            pages.emplace_back();
            pages.back().url = rest;
            current = &pages.back();
        } else if (keyword == L"frame" && !pages.empty()) {
            pages.back().frames.emplace_back();
            pages.back().frames.back().url = rest;
            current = &pages.back().frames.back();
        } else if (keyword == L"title" && current) {
            current->title = rest;
        } else if (keyword == L"input" && current) {
            std::vector<std::wstring> f = Fields(rest);
            f.resize(3);
            current->Input(f[0], f[1], CFakeVariant::Bstr(f[2]));
        } else if ((keyword == L"field" || keyword == L"password" || keyword == L"choice") && current) {
            std::vector<std::wstring> f = Fields(rest);
            f.resize(2);
            FakeField::Kind kind = keyword == L"field"      ? FakeField::Text
                                   : keyword == L"password" ? FakeField::Password
                                                            : FakeField::Choice;
            current->look.fields.push_back(FakeField{kind, f[0], f[1]});
        } else if (keyword == L"heading" && current) {
            current->look.heading = rest;
        } else if (keyword == L"button" && current) {
            current->look.button = rest;
        } else if (keyword == L"link" && current) {
            current->look.links.push_back(rest);
        } else if (keyword == L"scene" && current) {
            current->look.scene = true;
            current->look.sceneLine = rest;
        } else if (keyword == L"flags" && current) {
            std::wistringstream flags(rest);
            std::wstring flag;
            while (flags >> flag)
                SetFlag(*current, flag);
        }
    }
    for (const FakePage& page : pages)
        CFakePageTable::Set(page);
    return static_cast<int>(pages.size());
}
