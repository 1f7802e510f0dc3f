// Reading the launcher's resources out of the running executable's module.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstring>
#include <string>

// Every resource but the manifest is Chinese (PRC); the manifest is US English.
const LANGID kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);  // 2052
const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);          // 1033

// A resource's bytes, owned by the module; empty when it does not exist.
struct ResourceBytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

ResourceBytes FindResourceBytes(LPCWSTR type, WORD id, LANGID lang = kChinese);

// A string-table entry; empty when missing.
std::wstring LoadText(UINT id);

// Reads little-endian fields and template strings out of a resource, never
// past its end: a read beyond it yields zero and marks the reader failed.
class ResourceReader {
public:
    explicit ResourceReader(ResourceBytes b) : m_b(b) {}

    template <class T>
    T Get()
    {
        T v{};
        if (m_ok && m_at + sizeof(T) <= m_b.size)
            std::memcpy(&v, m_b.data + m_at, sizeof(T));
        else
            m_ok = false;
        m_at += sizeof(T);
        return v;
    }
    // A template string field: empty, an ordinal (written "#n") or text.
    std::wstring Field();
    void Skip(size_t n);
    void AlignToDword() { m_at = (m_at + 3) & ~size_t(3); }
    bool Ok() const { return m_ok && m_at <= m_b.size; }
    size_t At() const { return m_at; }

private:
    ResourceBytes m_b;
    size_t m_at = 0;
    bool m_ok = true;
};
