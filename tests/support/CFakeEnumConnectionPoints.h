// CFakeEnumConnectionPoints: enumerates the control's one connection point.
#pragma once
#include "ComStub.h"

class CFakeEnumConnectionPoints final : public ComStub<StubLife::Counted, IEnumConnectionPoints> {
public:
    static ComPtr<CFakeEnumConnectionPoints> Create(IConnectionPoint* point, ULONG position = 0);

    // IEnumConnectionPoints
    HRESULT STDMETHODCALLTYPE Next(ULONG count, LPCONNECTIONPOINT* points, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        m_position = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** ppEnum) override;

private:
    CFakeEnumConnectionPoints(IConnectionPoint* point, ULONG position) : m_point(point), m_position(position) {}
    ~CFakeEnumConnectionPoints() override = default;
    void* Interface(REFIID riid) override;

    ComPtr<IConnectionPoint> m_point;
    ULONG m_position;
};
