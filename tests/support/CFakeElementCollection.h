// CFakeElementCollection: the inputs of a stand-in document, in document
// order, as getElementsByTagName("input") returns them.  item(name, index)
// finds the index-th input whose name or id equals name exactly; a number as
// the first argument picks by position.  Nothing found: S_OK and null.
#pragma once
#include "CFakeElement.h"
#include <vector>

class CFakeElementCollection final : public ComStub<StubLife::Counted, DispatchStubs<IHTMLElementCollection>> {
public:
    // itemFails: every item() call returns E_FAIL with a null object.
    static ComPtr<CFakeElementCollection> Create(const std::vector<ComPtr<CFakeElement>>& elements, bool itemFails);

    // IHTMLElementCollection
    HRESULT STDMETHODCALLTYPE toString(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_length(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_length(LONG* p) override;
    HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE item(VARIANT name, VARIANT index, IDispatch** pdisp) override;
    HRESULT STDMETHODCALLTYPE tags(VARIANT, IDispatch** p) override { return FakeNotImpl(p); }

private:
    CFakeElementCollection(const std::vector<ComPtr<CFakeElement>>& elements, bool itemFails)
        : m_elements(elements), m_itemFails(itemFails)
    {
    }
    ~CFakeElementCollection() override = default;
    void* Interface(REFIID riid) override;

    std::vector<ComPtr<CFakeElement>> m_elements;
    bool m_itemFails;
};
