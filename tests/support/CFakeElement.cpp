#include "CFakeElement.h"

ComPtr<CFakeElement> CFakeElement::Create(const FakeInput& input)
{
    return ComPtr<CFakeElement>(new CFakeElement(input));
}

void* CFakeElement::Interface(REFIID riid)
{
    bool element = riid == IID_IHTMLElement && !m_input.noElement;
    if (IidIn(riid, {IID_IUnknown, IID_IDispatch}) || element)
        return static_cast<IHTMLElement*>(this);
    return nullptr;
}

HRESULT CFakeElement::getAttribute(BSTR name, LONG, VARIANT* value)
{
    if (!value)
        return E_POINTER;
    VariantInit(value);
    if (!name)
        return E_INVALIDARG;
    // Attribute names are matched without regard to case, as the document
    // model does for flags 0.
    if (lstrcmpiW(name, L"value") == 0)
        return m_input.value.CopyTo(value);
    if (lstrcmpiW(name, L"name") == 0 || lstrcmpiW(name, L"id") == 0) {
        const std::wstring& text = lstrcmpiW(name, L"name") == 0 ? m_input.name : m_input.id;
        value->vt = VT_BSTR;
        value->bstrVal = FakeBstr(text.data(), static_cast<UINT>(text.size()));
        return S_OK;
    }
    value->vt = VT_NULL;  // an attribute the element does not carry
    return S_OK;
}

HRESULT CFakeElement::get_id(BSTR* p)
{
    if (!p)
        return E_POINTER;
    *p = FakeBstr(m_input.id.data(), static_cast<UINT>(m_input.id.size()));
    return S_OK;
}

HRESULT CFakeElement::get_tagName(BSTR* p)
{
    if (!p)
        return E_POINTER;
    *p = SysAllocString(L"INPUT");
    return S_OK;
}
