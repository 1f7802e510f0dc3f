// How an event sink map hands one event argument to a typed handler.
// AfxEventArg<T> unpacks a VARIANT from the event's DISPPARAMS into the
// handler's parameter type T, keeps any temporary alive for the call, and
// writes by-reference values back afterwards.  kVts is the VTS_ code the
// type stands for.  Unpack returns false when the argument cannot be a T.
#pragma once
#include "DispatchTypes.h"

template <class T>
struct AfxEventArg;  // a handler parameter type with no VTS_ code

// By-value numbers and flags go through the system's conversion, so an
// event that sends a VT_I2 still reaches a long handler.
template <class T, VARTYPE vt>
struct AfxEventConvertedArg {
    VARIANT m_v;
    AfxEventConvertedArg() { ::VariantInit(&m_v); }
    ~AfxEventConvertedArg() { ::VariantClear(&m_v); }
    AfxEventConvertedArg(const AfxEventConvertedArg&) = delete;
    AfxEventConvertedArg& operator=(const AfxEventConvertedArg&) = delete;
    bool Unpack(VARIANT* pv) { return SUCCEEDED(::VariantChangeType(&m_v, pv, 0, vt)); }
    void WriteBack() {}
};

template <>
struct AfxEventArg<short> : AfxEventConvertedArg<short, VT_I2> {
    static constexpr unsigned char kVts = VT_I2;
    short Get() const { return m_v.iVal; }
};

template <>
struct AfxEventArg<long> : AfxEventConvertedArg<long, VT_I4> {
    static constexpr unsigned char kVts = VT_I4;
    long Get() const { return m_v.lVal; }
};

template <>
struct AfxEventArg<BOOL> : AfxEventConvertedArg<BOOL, VT_BOOL> {
    static constexpr unsigned char kVts = VT_BOOL;
    BOOL Get() const { return m_v.boolVal != VARIANT_FALSE; }
};

template <>
struct AfxEventArg<LPCWSTR> : AfxEventConvertedArg<LPCWSTR, VT_BSTR> {
    static constexpr unsigned char kVts = VT_BSTR;
    LPCWSTR Get() const { return m_v.bstrVal ? m_v.bstrVal : L""; }
};

template <>
struct AfxEventArg<IDispatch*> {
    static constexpr unsigned char kVts = VT_DISPATCH;
    IDispatch* m_p = nullptr;
    bool Unpack(VARIANT* pv)
    {
        switch (pv->vt) {
        case VT_EMPTY:
        case VT_NULL: m_p = nullptr; return true;
        case VT_DISPATCH: m_p = pv->pdispVal; return true;
        case VT_DISPATCH | VT_BYREF: m_p = pv->ppdispVal ? *pv->ppdispVal : nullptr; return true;
        default: return false;
        }
    }
    IDispatch* Get() const { return m_p; }
    void WriteBack() {}
};

template <>
struct AfxEventArg<IUnknown*> {
    static constexpr unsigned char kVts = VT_UNKNOWN;
    IUnknown* m_p = nullptr;
    bool Unpack(VARIANT* pv)
    {
        switch (pv->vt) {
        case VT_EMPTY:
        case VT_NULL: m_p = nullptr; return true;
        case VT_UNKNOWN: m_p = pv->punkVal; return true;
        case VT_DISPATCH: m_p = pv->pdispVal; return true;
        default: return false;
        }
    }
    IUnknown* Get() const { return m_p; }
    void WriteBack() {}
};

// A VARIANT parameter sees the event's own VARIANT (or the one a
// VT_VARIANT reference points at).
template <>
struct AfxEventArg<VARIANT*> {
    static constexpr unsigned char kVts = VT_VARIANT | VT_AFXBYREF;
    VARIANT* m_p = nullptr;
    bool Unpack(VARIANT* pv)
    {
        m_p = pv->vt == (VT_VARIANT | VT_BYREF) ? pv->pvarVal : pv;
        return m_p != nullptr;
    }
    VARIANT* Get() const { return m_p; }
    void WriteBack() {}
};

template <>
struct AfxEventArg<const VARIANT*> : AfxEventArg<VARIANT*> {
    static constexpr unsigned char kVts = VT_VARIANT;
};

template <>
struct AfxEventArg<long*> {
    static constexpr unsigned char kVts = VT_I4 | VT_AFXBYREF;
    long* m_p = nullptr;
    bool Unpack(VARIANT* pv)
    {
        m_p = pv->vt == (VT_I4 | VT_BYREF) ? pv->plVal : nullptr;
        return m_p != nullptr;
    }
    long* Get() const { return m_p; }
    void WriteBack() {}
};

template <>
struct AfxEventArg<BSTR*> {
    static constexpr unsigned char kVts = VT_BSTR | VT_AFXBYREF;
    BSTR* m_p = nullptr;
    bool Unpack(VARIANT* pv)
    {
        m_p = pv->vt == (VT_BSTR | VT_BYREF) ? pv->pbstrVal : nullptr;
        return m_p != nullptr;
    }
    BSTR* Get() const { return m_p; }
    void WriteBack() {}
};

template <>
struct AfxEventArg<IDispatch**> {
    static constexpr unsigned char kVts = VT_DISPATCH | VT_AFXBYREF;
    IDispatch** m_p = nullptr;
    bool Unpack(VARIANT* pv)
    {
        m_p = pv->vt == (VT_DISPATCH | VT_BYREF) ? pv->ppdispVal : nullptr;
        return m_p != nullptr;
    }
    IDispatch** Get() const { return m_p; }
    void WriteBack() {}
};

// The handler works on a BOOL; the event's VARIANT_BOOL gets the answer.
template <>
struct AfxEventArg<BOOL*> {
    static constexpr unsigned char kVts = VT_BOOL | VT_AFXBYREF;
    VARIANT_BOOL* m_pTarget = nullptr;
    BOOL m_b = FALSE;
    bool Unpack(VARIANT* pv)
    {
        m_pTarget = pv->vt == (VT_BOOL | VT_BYREF) ? pv->pboolVal : nullptr;
        if (m_pTarget)
            m_b = *m_pTarget != VARIANT_FALSE;
        return m_pTarget != nullptr;
    }
    BOOL* Get() { return &m_b; }
    void WriteBack() { *m_pTarget = m_b ? VARIANT_TRUE : VARIANT_FALSE; }
};
