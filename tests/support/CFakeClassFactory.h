// CFakeClassFactory: makes stand-in WebBrowser controls.  Registered with
// COM by CFakeBrowserRegistration, and handed out by the in-process server
// DLL's DllGetClassObject.
#pragma once
#include "ComStub.h"

// IClassFactory2 too, for containers that create a control with the licence
// key saved with it: any key is accepted and written into the record.
class CFakeClassFactory final : public ClassFactoryStub<StubLife::Freed> {
public:
    static ComPtr<CFakeClassFactory> Create();

    // Locks through LockServer, for the DLL's DllCanUnloadNow.
    LONG Locks() const { return m_locks; }

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
    ~CFakeClassFactory() override = default;

    // COM may lock the server from its own threads: the count is atomic.
    LONG m_locks = 0;
};
