// CFakeClassFactory: makes stand-in WebBrowser controls.  Registered with
// COM by CFakeBrowserRegistration, and handed out by the in-process server
// DLL's DllGetClassObject.
#pragma once
#include "FakeComSupport.h"
#include <ocidl.h>

// IClassFactory2 too, for containers that create a control with the licence
// key saved with it: any key is accepted and written into the record.
class CFakeClassFactory final : public IClassFactory2 {
public:
    static ComPtr<CFakeClassFactory> Create();

    LONG RefCount() const { return m_refs; }
    // Locks through LockServer, for the DLL's DllCanUnloadNow.
    LONG Locks() const { return m_locks; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_refs); }
    ULONG STDMETHODCALLTYPE Release() override;

    // IClassFactory
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(WINBOOL lock) override;

    // IClassFactory2
    HRESULT STDMETHODCALLTYPE GetLicInfo(LICINFO* info) override;
    HRESULT STDMETHODCALLTYPE RequestLicKey(DWORD, BSTR* key) override { return FakeNotImpl(key); }
    HRESULT STDMETHODCALLTYPE CreateInstanceLic(IUnknown* outer, IUnknown* reserved, REFIID riid, BSTR key,
                                                void** ppv) override;

private:
    CFakeClassFactory() = default;
    ~CFakeClassFactory() = default;

    // COM may hold the factory from its own threads: the counts are atomic.
    LONG m_refs = 0;
    LONG m_locks = 0;
};
