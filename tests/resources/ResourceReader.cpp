#include "ResourceReader.h"

ResourceBytes FindResourceBytes(LPCWSTR type, WORD id, LANGID lang)
{
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC info = ::FindResourceExW(module, type, MAKEINTRESOURCEW(id), lang);
    HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
    if (!loaded)
        return {};
    return {static_cast<const BYTE*>(::LockResource(loaded)), ::SizeofResource(module, info)};
}

std::wstring LoadText(UINT id)
{
    const wchar_t* text = nullptr;
    int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

std::wstring ResourceReader::Field()
{
    WORD first = Get<WORD>();
    if (first == 0xFFFF)
        return L"#" + std::to_wstring(Get<WORD>());
    std::wstring s;
    for (WORD c = first; c != 0 && m_ok; c = Get<WORD>())
        s.push_back(static_cast<wchar_t>(c));
    return s;
}

void ResourceReader::Skip(size_t n)
{
    m_at += n;
    m_ok = m_ok && m_at <= m_b.size;
}
