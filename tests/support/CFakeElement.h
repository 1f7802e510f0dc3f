// CFakeElement: one <input> of a stand-in document.  It answers
// getAttribute("value") with a copy of the value the test gave it, and its
// name and id; every other member is E_NOTIMPL with outputs zeroed.  An input
// marked noElement offers IDispatch only, like an object of the wrong kind.
#pragma once
#include "ComStub.h"
#include "FakePage.h"
#include <mshtml.h>

class CFakeElement final : public ComStub<StubLife::Counted, DispatchStubs<IHTMLElement>> {
public:
    static ComPtr<CFakeElement> Create(const FakeInput& input);

    const std::wstring& Name() const { return m_input.name; }
    const std::wstring& Id() const { return m_input.id; }
    // IHTMLElement
    HRESULT STDMETHODCALLTYPE setAttribute(BSTR, VARIANT, LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE getAttribute(BSTR name, LONG flags, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE removeAttribute(BSTR, LONG, VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_className(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_className(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_id(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_id(BSTR* p) override;
    HRESULT STDMETHODCALLTYPE get_tagName(BSTR* p) override;
    HRESULT STDMETHODCALLTYPE get_parentElement(IHTMLElement** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_style(IHTMLStyle** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onclick(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onclick(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ondblclick(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondblclick(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onkeydown(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeydown(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onkeyup(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeyup(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onkeypress(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeypress(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onmouseout(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseout(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onmouseover(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseover(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onmousemove(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmousemove(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onmousedown(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmousedown(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onmouseup(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseup(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_document(IDispatch** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_title(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_title(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_language(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_language(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onselectstart(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onselectstart(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE scrollIntoView(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE contains(IHTMLElement*, VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_sourceIndex(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_recordNumber(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_lang(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_lang(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_offsetLeft(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_offsetTop(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_offsetWidth(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_offsetHeight(LONG* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_offsetParent(IHTMLElement** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_innerHTML(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_innerHTML(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_innerText(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_innerText(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_outerHTML(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_outerHTML(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_outerText(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_outerText(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE insertAdjacentHTML(BSTR, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE insertAdjacentText(BSTR, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_parentTextEdit(IHTMLElement** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_isTextEdit(VARIANT_BOOL* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE click() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_filters(IHTMLFiltersCollection** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ondragstart(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondragstart(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE toString(BSTR* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onbeforeupdate(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onbeforeupdate(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onafterupdate(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onafterupdate(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onerrorupdate(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onerrorupdate(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onrowexit(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onrowexit(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onrowenter(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onrowenter(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ondatasetchanged(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondatasetchanged(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ondataavailable(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondataavailable(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_ondatasetcomplete(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondatasetcomplete(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE put_onfilterchange(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onfilterchange(VARIANT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_children(IDispatch** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE get_all(IDispatch** p) override { return FakeNotImpl(p); }

private:
    explicit CFakeElement(const FakeInput& input) : m_input(input) {}
    ~CFakeElement() override = default;
    void* Interface(REFIID riid) override;

    FakeInput m_input;
};
