// CFakeVariant: one VARIANT with value semantics, for the page model that a
// test builds (input values of any type, BSTRs with embedded NULs, objects).
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

class CFakeVariant {
public:
    CFakeVariant() { VariantInit(&m_v); }
    // Copies v (VariantCopy: a BSTR keeps its full length, an object gains a
    // reference); the caller keeps its own.
    explicit CFakeVariant(const VARIANT& v);
    CFakeVariant(const CFakeVariant& o) : CFakeVariant(o.m_v) {}
    CFakeVariant& operator=(const CFakeVariant& o);
    ~CFakeVariant() { VariantClear(&m_v); }

    static CFakeVariant Bstr(const std::wstring& text);  // keeps embedded NULs
    static CFakeVariant Null();
    static CFakeVariant Empty() { return CFakeVariant(); }
    static CFakeVariant I4(LONG value);
    static CFakeVariant Bool(bool value);
    static CFakeVariant Dispatch(IDispatch* object);  // adds a reference

    const VARIANT& Get() const { return m_v; }
    VARTYPE Type() const { return m_v.vt; }
    // Copies the value into *out, which must be empty or cleared.
    HRESULT CopyTo(VARIANT* out) const;

private:
    VARIANT m_v;
};
