// Small helpers shared by the stand-in browser's COM objects.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

// Members the stand-in does not implement answer E_NOTIMPL and leave every
// output zeroed, so a caller that ignores the result never reads garbage or
// releases a stray pointer.
template <class T>
inline HRESULT FakeNotImpl(T* out)
{
    if (out)
        *out = T();
    return E_NOTIMPL;
}

inline HRESULT FakeNotImpl()
{
    return E_NOTIMPL;
}

// Every object the stand-in makes (controls, frame browsers, documents,
// collections, elements, connection points, enumerators) counts itself here
// from construction to destruction (ComStub.h, StubLife::Counted), so a test
// can assert that a teardown released everything.  The class factory is not
// counted: it lives as long as the registration.
inline LONG g_fakeLiveObjects = 0;

inline LONG FakeLiveObjectCount()
{
    return g_fakeLiveObjects;
}

// Hands *out a new reference to p; a null p gives a null *out.
template <class I, class T>
inline HRESULT FakeGive(T* p, I** out)
{
    if (!out)
        return E_POINTER;
    I* view = p;
    *out = view;
    if (view)
        view->AddRef();
    return S_OK;
}

inline BSTR FakeBstr(const wchar_t* text, UINT length)
{
    return SysAllocStringLen(text, length);
}
