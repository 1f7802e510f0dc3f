#include "CFakeElementCollection.h"

namespace {

// The value of an argument, looking through one reference level.
bool Plain(const VARIANT& in, VARIANT* out)
{
    VariantInit(out);
    if ((in.vt & VT_BYREF) && !in.byref)
        return false;
    return SUCCEEDED(VariantCopyInd(out, const_cast<VARIANT*>(&in)));
}

// An index argument: a number, or 0 when absent (VT_ERROR, VT_EMPTY).
bool IndexOf(const VARIANT& in, LONG* index)
{
    *index = 0;
    VARIANT v;
    if (!Plain(in, &v))
        return false;
    bool ok = true;
    if (v.vt != VT_EMPTY && v.vt != VT_ERROR) {
        ok = SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4));
        if (ok)
            *index = v.lVal;
    }
    VariantClear(&v);
    return ok;
}

}  // namespace

ComPtr<CFakeElementCollection> CFakeElementCollection::Create(const std::vector<ComPtr<CFakeElement>>& elements,
                                                              bool itemFails)
{
    return ComPtr<CFakeElementCollection>(new CFakeElementCollection(elements, itemFails));
}

void* CFakeElementCollection::Interface(REFIID riid)
{
    if (IidIn(riid, {IID_IUnknown, IID_IDispatch, IID_IHTMLElementCollection}))
        return static_cast<IHTMLElementCollection*>(this);
    return nullptr;
}

HRESULT CFakeElementCollection::get_length(LONG* p)
{
    if (!p)
        return E_POINTER;
    *p = static_cast<LONG>(m_elements.size());
    return S_OK;
}

HRESULT CFakeElementCollection::item(VARIANT name, VARIANT index, IDispatch** pdisp)
{
    if (!pdisp)
        return E_POINTER;
    *pdisp = nullptr;
    if (m_itemFails)
        return E_FAIL;

    VARIANT key;
    if (!Plain(name, &key))
        return E_INVALIDARG;
    CFakeElement* found = nullptr;
    if (key.vt == VT_BSTR) {
        LONG wanted = 0;
        std::wstring text = key.bstrVal ? std::wstring(key.bstrVal, SysStringLen(key.bstrVal)) : std::wstring();
        if (!text.empty() && IndexOf(index, &wanted)) {
            for (const ComPtr<CFakeElement>& element : m_elements) {
                if (element->Name() != text && element->Id() != text)
                    continue;
                if (wanted-- == 0) {
                    found = element.Get();
                    break;
                }
            }
        }
    } else {
        LONG position = 0;
        if (IndexOf(key, &position) && position >= 0 && position < static_cast<LONG>(m_elements.size()))
            found = m_elements[position].Get();
    }
    VariantClear(&key);
    return FakeGive(static_cast<IDispatch*>(found), pdisp);
}
