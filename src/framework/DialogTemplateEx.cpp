#include "DialogTemplateEx.h"
#include <objbase.h>
#include <cstring>

namespace {

// A bounds-checked reader over the template bytes.
class CTemplateReader {
public:
    CTemplateReader(const BYTE* p, size_t cb) : m_p(p), m_cb(cb) {}

    bool ok() const { return m_ok; }
    size_t pos() const { return m_pos; }

    WORD Word() { return static_cast<WORD>(Read(2)); }
    DWORD Dword() { return Read(4); }
    void Skip(size_t n)
    {
        if (m_cb - m_pos < n)
            m_ok = false;
        else
            m_pos += n;
    }
    // Items start on DWORD boundaries; the last one may end the resource
    // without padding.
    void AlignDword()
    {
        size_t pad = (4 - m_pos % 4) % 4;
        m_pos += pad < m_cb - m_pos ? pad : m_cb - m_pos;
    }

    // A NUL-terminated UTF-16 string; its first character's address, or
    // null when it runs off the end.
    const WCHAR* String()
    {
        const WCHAR* s = reinterpret_cast<const WCHAR*>(m_p + m_pos);
        while (m_ok && Word() != 0) {}
        return m_ok ? s : nullptr;
    }

    // sz_Or_Ord: 0 (none), 0xFFFF and an ordinal, or a string.  Returns the
    // string, or null for the other two forms.
    const WCHAR* StringOrOrdinal()
    {
        size_t start = m_pos;
        WORD first = Word();
        if (first == 0)
            return nullptr;
        if (first == 0xFFFF) {
            Word();
            return nullptr;
        }
        m_pos = start;
        return String();
    }

private:
    DWORD Read(size_t n)
    {
        if (!m_ok || m_cb - m_pos < n) {
            m_ok = false;
            return 0;
        }
        DWORD v = 0;
        std::memcpy(&v, m_p + m_pos, n);
        m_pos += n;
        return v;
    }

    const BYTE* m_p;
    size_t m_cb;
    size_t m_pos = 0;
    bool m_ok = true;
};

const size_t kCountOffset = 16;  // dlgVer, signature, helpID, exStyle, style

bool ParseControlClass(const WCHAR* className, CLSID* pClsid)
{
    if (!className || className[0] != L'{')
        return false;
    // IIDFromString only parses; it never looks anything up in the registry.
    return SUCCEEDED(::IIDFromString(className, pClsid));
}

}  // namespace

BOOL AfxSplitOccTemplate(const BYTE* p, size_t cb, COccDialogState* pState)
{
    pState->strippedTemplate.clear();
    pState->items.clear();
    if (!p)
        return FALSE;

    CTemplateReader r(p, cb);
    WORD dlgVer = r.Word();
    WORD signature = r.Word();
    if (!r.ok() || dlgVer != 1 || signature != 0xFFFF)
        return FALSE;
    r.Dword();  // helpID
    r.Dword();  // exStyle
    DWORD style = r.Dword();
    WORD count = r.Word();
    r.Skip(8);            // x, y, cx, cy
    r.StringOrOrdinal();  // menu
    r.StringOrOrdinal();  // window class
    r.String();           // title
    if (style & DS_SETFONT) {
        r.Skip(6);   // point size, weight, italic, charset
        r.String();  // typeface
    }
    r.AlignDword();
    if (!r.ok())
        return FALSE;

    struct Span {
        size_t begin, end;
    };
    std::vector<Span> kept;
    std::vector<COccControlItem> controls;
    size_t headerEnd = r.pos();
    for (WORD i = 0; i < count; ++i) {
        size_t begin = r.pos();
        r.Dword();  // helpID
        COccControlItem item = {};
        item.exStyle = r.Dword();
        item.style = r.Dword();
        short x = static_cast<short>(r.Word());
        short y = static_cast<short>(r.Word());
        short cx = static_cast<short>(r.Word());
        short cy = static_cast<short>(r.Word());
        item.id = r.Dword();
        const WCHAR* className = r.StringOrOrdinal();
        r.StringOrOrdinal();  // title
        r.Skip(r.Word());     // creation data
        r.AlignDword();
        if (!r.ok())
            return FALSE;
        if (ParseControlClass(className, &item.clsid)) {
            item.rcDlgUnits = RECT{x, y, x + cx, y + cy};
            controls.push_back(item);
        } else {
            kept.push_back(Span{begin, r.pos()});
        }
    }
    if (controls.empty())
        return FALSE;

    std::vector<BYTE> out(p, p + headerEnd);
    for (const Span& s : kept)
        out.insert(out.end(), p + s.begin, p + s.end);
    WORD keptCount = static_cast<WORD>(kept.size());
    std::memcpy(&out[kCountOffset], &keptCount, sizeof(keptCount));

    pState->strippedTemplate.assign((out.size() + 3) / 4, 0);
    std::memcpy(pState->strippedTemplate.data(), out.data(), out.size());
    pState->items = std::move(controls);
    return TRUE;
}
