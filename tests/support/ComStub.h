// The IUnknown every hand-made COM object of the tests shares: the
// stand-in browser's objects, the class factories and the small doubles a
// test puts on its stack.  A class derives from ComStub with its interfaces,
// lists what it answers in Interface(), and writes only the members it
// means; DispatchStubs<I> answers IDispatch's four for a dual interface I.
// Every member keeps its STDMETHODCALLTYPE signature: the i686 build calls
// them as stdcall.
#pragma once
#include "FakeComSupport.h"
#include <ocidl.h>
#include <initializer_list>
#include <utility>

// What ends a stub's life.
enum class StubLife {
    // Made with new, freed when its count reaches zero, and counted in
    // FakeLiveObjectCount() meanwhile: every object a stand-in hands out.
    Counted,
    // Made with new and freed at zero, not counted: the class factory,
    // which lives as long as its registration.
    Freed,
    // Owned by the test (on its stack): the count only shows who holds it.
    Test,
};

// Whether riid is one of iids: a row of an Interface() table.
inline bool IidIn(REFIID riid, std::initializer_list<IID> iids)
{
    for (const IID& iid : iids) {
        if (riid == iid)
            return true;
    }
    return false;
}

// First is the interface (or interface implementation) the object is first
// of all, and takes the constructor's arguments; Rest are further
// interfaces.  The count is atomic: COM may call a class factory from its
// own threads.
template <StubLife Life, class First, class... Rest>
class ComStub : public First, public Rest... {
public:
    LONG RefCount() const { return m_refs; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = Interface(riid);
        if (!*ppv)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&m_refs);
        if constexpr (Life != StubLife::Test) {
            if (left == 0)
                delete this;
        }
        return static_cast<ULONG>(left);
    }

protected:
    template <class... Args>
    explicit ComStub(Args&&... args) : First(std::forward<Args>(args)...)
    {
        if constexpr (Life == StubLife::Counted)
            ++g_fakeLiveObjects;
    }
    virtual ~ComStub()
    {
        if constexpr (Life == StubLife::Counted)
            --g_fakeLiveObjects;
    }
    ComStub(const ComStub&) = delete;
    ComStub& operator=(const ComStub&) = delete;

    // The pointer QueryInterface gives out for riid (already cast to the
    // interface's base), or null: the object's table of interfaces.
    virtual void* Interface(REFIID riid) = 0;

private:
    LONG m_refs = 0;
};

// IDispatch's members for a dual interface I whose object has no type
// information: E_NOTIMPL with every output zeroed.  A class that invokes
// members overrides Invoke.
template <class I>
class DispatchStubs : public I {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** p) override { return FakeNotImpl(p); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* r, EXCEPINFO*, UINT*) override
    {
        return FakeNotImpl(r);
    }
};

// A class factory's IUnknown: it answers for IClassFactory and
// IClassFactory2.  The class writes the factory's own members.
template <StubLife Life>
class ClassFactoryStub : public ComStub<Life, IClassFactory2> {
protected:
    void* Interface(REFIID riid) override
    {
        if (IidIn(riid, {IID_IUnknown, IID_IClassFactory, IID_IClassFactory2}))
            return static_cast<IClassFactory2*>(this);
        return nullptr;
    }
};
