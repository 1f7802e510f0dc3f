#include "CFakeDocument.h"

namespace {

std::wstring Text(BSTR s)
{
    return s ? std::wstring(s, SysStringLen(s)) : std::wstring();
}

}  // namespace

ComPtr<CFakeDocument> CFakeDocument::Create(const FakePage& page)
{
    return ComPtr<CFakeDocument>(new CFakeDocument(page));
}

CFakeDocument::CFakeDocument(const FakePage& page)
    : m_url(page.url), m_noDocument3(page.noDocument3), m_noCustomDoc(page.noCustomDoc), m_itemFails(page.itemFails)
{
    for (FakeInput input : page.inputs) {
        // A page whose item() hands out objects of the wrong kind: every
        // input answers IDispatch only.
        if (page.itemWrongInterface)
            input.noElement = true;
        m_inputs.push_back(CFakeElement::Create(input));
    }
}

void* CFakeDocument::Interface(REFIID riid)
{
    if (IidIn(riid, {IID_IUnknown, IID_IDispatch}) || (riid == IID_IHTMLDocument3 && !m_noDocument3))
        return static_cast<IHTMLDocument3*>(this);
    if (riid == __uuidof(ICustomDoc) && !m_noCustomDoc)
        return static_cast<ICustomDoc*>(this);
    return nullptr;
}

HRESULT CFakeDocument::SetUIHandler(IDocHostUIHandler* handler)
{
    ++m_setUIHandlerCalls;
    m_uiHandler = handler;
    return S_OK;
}

HRESULT CFakeDocument::AskHostInfo(DWORD startFlags, DOCHOSTUIINFO* info) const
{
    if (!info)
        return E_POINTER;
    ZeroMemory(info, sizeof(*info));
    info->cbSize = sizeof(*info);
    info->dwFlags = startFlags;
    if (!m_uiHandler)
        return E_FAIL;
    return m_uiHandler->GetHostInfo(info);
}

HRESULT CFakeDocument::getElementsByName(BSTR name, IHTMLElementCollection** p)
{
    if (!p)
        return E_POINTER;
    std::vector<ComPtr<CFakeElement>> named;
    for (const ComPtr<CFakeElement>& input : m_inputs)
        if (!Text(name).empty() && input->Name() == Text(name))
            named.push_back(input);
    *p = CFakeElementCollection::Create(named, m_itemFails).Detach();
    return S_OK;
}

HRESULT CFakeDocument::getElementById(BSTR id, IHTMLElement** p)
{
    if (!p)
        return E_POINTER;
    *p = nullptr;
    for (const ComPtr<CFakeElement>& input : m_inputs) {
        if (!Text(id).empty() && input->Id() == Text(id)) {
            input->QueryInterface(IID_IHTMLElement, reinterpret_cast<void**>(p));
            break;
        }
    }
    return S_OK;
}

HRESULT CFakeDocument::getElementsByTagName(BSTR tag, IHTMLElementCollection** p)
{
    if (!p)
        return E_POINTER;
    // The page model holds inputs only; any other tag gives an empty list.
    bool inputs = tag && lstrcmpiW(tag, L"input") == 0;
    *p = CFakeElementCollection::Create(inputs ? m_inputs : std::vector<ComPtr<CFakeElement>>(), m_itemFails).Detach();
    return S_OK;
}
