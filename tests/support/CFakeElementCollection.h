// CFakeElementCollection: the inputs of a stand-in document, in document
// order, as getElementsByTagName("input") returns them.  item(name, index)
// finds the index-th input whose name or id equals name exactly; a number as
// the first argument picks by position.  Nothing found: S_OK and null.
#pragma once
#include "CFakeElement.h"
#include <vector>

class CFakeElementCollection final : public IHTMLElementCollection {
public:
    // itemFails: every item() call returns E_FAIL with a null object.
    static ComPtr<CFakeElementCollection> Create(const std::vector<ComPtr<CFakeElement>>& elements,
                                                 bool itemFails);

    LONG RefCount() const { return m_refs; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* r, EXCEPINFO*, UINT*) override { return FakeNotImpl(r); }

    // IHTMLElementCollection
    HRESULT STDMETHODCALLTYPE toString(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_length(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_length(LONG* p) override;
    HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE item(VARIANT name, VARIANT index, IDispatch** pdisp) override;
    HRESULT STDMETHODCALLTYPE tags(VARIANT, IDispatch** p) override { return FakeNotImpl(p); }

private:
    CFakeElementCollection(const std::vector<ComPtr<CFakeElement>>& elements, bool itemFails);
    ~CFakeElementCollection();

    LONG m_refs = 0;
    std::vector<ComPtr<CFakeElement>> m_elements;
    bool m_itemFails;
};
