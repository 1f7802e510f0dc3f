// CComPtr: one COM reference, released when the holder goes.
#pragma once
#include <unknwn.h>
#include <memory>

template <class T>
class CComPtr {
public:
    CComPtr() = default;
    CComPtr(T* p) : p(p)
    {
        if (p)
            p->AddRef();
    }
    CComPtr(const CComPtr& o) : CComPtr(o.p) {}
    CComPtr(CComPtr&& o) noexcept : p(o.p) { o.p = nullptr; }
    ~CComPtr() { Release(); }
    CComPtr& operator=(const CComPtr& o)
    {
        if (o.p)
            o.p->AddRef();
        Release();
        p = o.p;
        return *this;
    }
    CComPtr& operator=(CComPtr&& o) noexcept
    {
        if (this != std::addressof(o)) {
            Release();
            p = o.p;
            o.p = nullptr;
        }
        return *this;
    }

    void Release()
    {
        if (p) {
            T* q = p;
            p = nullptr;
            q->Release();
        }
    }
    // For out-parameters: the holder must be empty.
    T** operator&()
    {
        Release();
        return &p;
    }
    T* operator->() const { return p; }
    operator T*() const { return p; }
    T* Detach()
    {
        T* q = p;
        p = nullptr;
        return q;
    }
    void Attach(T* q)
    {
        Release();
        p = q;
    }

    template <class Q>
    HRESULT QueryInterface(REFIID riid, Q** pp) const
    {
        *pp = nullptr;
        return p ? p->QueryInterface(riid, reinterpret_cast<void**>(pp)) : E_POINTER;
    }

    T* p = nullptr;
};
