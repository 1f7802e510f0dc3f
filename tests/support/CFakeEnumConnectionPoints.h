// CFakeEnumConnectionPoints: enumerates the control's one connection point.
#pragma once
#include "FakeComSupport.h"
#include <ocidl.h>

class CFakeEnumConnectionPoints final : public IEnumConnectionPoints {
public:
    static ComPtr<CFakeEnumConnectionPoints> Create(IConnectionPoint* point, ULONG position = 0);

    LONG RefCount() const { return m_refs; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override;

    // IEnumConnectionPoints
    HRESULT STDMETHODCALLTYPE Next(ULONG count, LPCONNECTIONPOINT* points, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override { m_position = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** ppEnum) override;

private:
    CFakeEnumConnectionPoints(IConnectionPoint* point, ULONG position);
    ~CFakeEnumConnectionPoints();

    LONG m_refs = 0;
    ComPtr<IConnectionPoint> m_point;
    ULONG m_position;
};
