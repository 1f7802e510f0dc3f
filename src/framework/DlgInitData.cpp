#include "DlgInitData.h"
#include <cstring>

namespace {

template <class T>
T ReadAt(const BYTE* p)
{
    T v;
    std::memcpy(&v, p, sizeof(v));  // records are only WORD-aligned
    return v;
}

BOOL SplitRecord(const BYTE* p, size_t cb, COccSavedState* pState)
{
    if (cb < sizeof(DWORD))
        return FALSE;
    DWORD keyChars = ReadAt<DWORD>(p);
    size_t rest = cb - sizeof(DWORD);
    if (keyChars > rest / sizeof(WCHAR))
        return FALSE;
    const BYTE* key = p + sizeof(DWORD);
    pState->licenseKey.resize(keyChars);
    if (keyChars)
        std::memcpy(&pState->licenseKey[0], key, keyChars * sizeof(WCHAR));
    const BYTE* stream = key + keyChars * sizeof(WCHAR);
    pState->stream.assign(stream, p + cb);
    return TRUE;
}

}  // namespace

BOOL AfxFindOccSavedState(const BYTE* p, size_t cb, UINT nID, COccSavedState* pState)
{
    pState->licenseKey.clear();
    pState->stream.clear();
    if (!p)
        return FALSE;
    size_t pos = 0;
    while (cb - pos >= sizeof(WORD)) {
        WORD id = ReadAt<WORD>(p + pos);
        if (id == 0)
            break;
        if (cb - pos < 2 * sizeof(WORD) + sizeof(DWORD))
            break;
        WORD message = ReadAt<WORD>(p + pos + 2);
        DWORD length = ReadAt<DWORD>(p + pos + 4);
        pos += 8;
        if (length > cb - pos)
            break;
        if (id == nID && message == AFX_DLGINIT_LOADFROMSTREAM)
            return SplitRecord(p + pos, length, pState);
        pos += length;
    }
    return FALSE;
}

const BYTE* AfxLoadDlgInitResource(HINSTANCE hInst, UINT nIDTemplate, size_t* pcb)
{
    *pcb = 0;
    HRSRC hRes = ::FindResourceW(hInst, MAKEINTRESOURCEW(nIDTemplate), MAKEINTRESOURCEW(AFX_DLGINIT_RESOURCE_TYPE));
    if (!hRes)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    const BYTE* p = hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    if (p)
        *pcb = ::SizeofResource(hInst, hRes);
    return p;
}
