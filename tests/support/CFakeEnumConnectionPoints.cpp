#include "CFakeEnumConnectionPoints.h"

ComPtr<CFakeEnumConnectionPoints> CFakeEnumConnectionPoints::Create(IConnectionPoint* point, ULONG position)
{
    return ComPtr<CFakeEnumConnectionPoints>(new CFakeEnumConnectionPoints(point, position));
}

void* CFakeEnumConnectionPoints::Interface(REFIID riid)
{
    if (IidIn(riid, {IID_IUnknown, IID_IEnumConnectionPoints}))
        return static_cast<IEnumConnectionPoints*>(this);
    return nullptr;
}

HRESULT CFakeEnumConnectionPoints::Next(ULONG count, LPCONNECTIONPOINT* points, ULONG* fetched)
{
    if (!points || (count > 1 && !fetched))
        return E_POINTER;
    ULONG given = 0;
    if (count > 0 && m_position == 0) {
        FakeGive(m_point.Get(), &points[0]);
        m_position = 1;
        given = 1;
    }
    if (fetched)
        *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

HRESULT CFakeEnumConnectionPoints::Skip(ULONG count)
{
    ULONG left = 1 - m_position;
    m_position = count >= left ? 1 : m_position + count;
    return count <= left ? S_OK : S_FALSE;
}

HRESULT CFakeEnumConnectionPoints::Clone(IEnumConnectionPoints** ppEnum)
{
    if (!ppEnum)
        return E_POINTER;
    *ppEnum = Create(m_point.Get(), m_position).Detach();
    return S_OK;
}
