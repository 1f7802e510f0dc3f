#include "CFakeVariant.h"

CFakeVariant::CFakeVariant(const VARIANT& v)
{
    VariantInit(&m_v);
    VariantCopy(&m_v, const_cast<VARIANT*>(&v));
}

CFakeVariant& CFakeVariant::operator=(const CFakeVariant& o)
{
    if (this != &o)
        VariantCopy(&m_v, const_cast<VARIANT*>(&o.m_v));
    return *this;
}

CFakeVariant CFakeVariant::Bstr(const std::wstring& text)
{
    CFakeVariant v;
    v.m_v.vt = VT_BSTR;
    v.m_v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return v;
}

CFakeVariant CFakeVariant::Null()
{
    CFakeVariant v;
    v.m_v.vt = VT_NULL;
    return v;
}

CFakeVariant CFakeVariant::I4(LONG value)
{
    CFakeVariant v;
    v.m_v.vt = VT_I4;
    v.m_v.lVal = value;
    return v;
}

CFakeVariant CFakeVariant::Bool(bool value)
{
    CFakeVariant v;
    v.m_v.vt = VT_BOOL;
    v.m_v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

CFakeVariant CFakeVariant::Dispatch(IDispatch* object)
{
    CFakeVariant v;
    v.m_v.vt = VT_DISPATCH;
    v.m_v.pdispVal = object;
    if (object)
        object->AddRef();
    return v;
}

HRESULT CFakeVariant::CopyTo(VARIANT* out) const
{
    if (!out)
        return E_POINTER;
    VariantInit(out);
    return VariantCopy(out, const_cast<VARIANT*>(&m_v));
}
