#include "COleControlContainer.h"
#include "COleControlSite.h"
#include "CWnd.h"
#include "EventSinkMap.h"
#include <ole2.h>

namespace {

// OLE stays initialised from the first hosted control to the end of the
// process; the matching uninitialise runs with the static destructors.
class COleInitScope {
public:
    COleInitScope() : m_bOk(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~COleInitScope()
    {
        if (m_bOk)
            ::OleUninitialize();
    }
    COleInitScope(const COleInitScope&) = delete;
    COleInitScope& operator=(const COleInitScope&) = delete;
    BOOL m_bOk;
};

}  // namespace

BOOL COleControlContainer::EnsureOle()
{
    static COleInitScope s_ole;
    return s_ole.m_bOk;
}

COleControlContainer::COleControlContainer(CWnd* pWnd) : m_pWnd(pWnd)
{
    EnsureOle();
}

COleControlContainer::~COleControlContainer()
{
    Teardown();
}

COleControlSite* COleControlContainer::CreateControl(REFCLSID clsid, UINT nID, DWORD dwStyle, const RECT& rcPos,
                                                     const COccSavedState* pSaved)
{
    COleControlSite* pSite = new COleControlSite(this, m_pWnd->m_hWnd, nID, dwStyle, rcPos);
    // Kept before creation: the control may fire events while it loads or
    // activates, and they find their site through the list.
    m_sites.push_back(pSite);
    if (pSite->CreateControl(clsid, pSaved))
        return pSite;
    m_sites.pop_back();
    pSite->Teardown();
    pSite->Release();
    return nullptr;
}

COleControlSite* COleControlContainer::FindSite(UINT nID) const
{
    for (COleControlSite* pSite : m_sites) {
        if (pSite->GetID() == nID)
            return pSite;
    }
    return nullptr;
}

COleControlSite* COleControlContainer::FindSiteForWindow(HWND hWnd) const
{
    for (COleControlSite* pSite : m_sites) {
        HWND hWndCtrl = pSite->GetControlWindow();
        if (hWndCtrl && (hWnd == hWndCtrl || ::IsChild(hWndCtrl, hWnd)))
            return pSite;
    }
    return nullptr;
}

BOOL COleControlContainer::PreTranslateAccelerator(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    COleControlSite* pSite = FindSiteForWindow(pMsg->hwnd);
    if (!pSite)
        return FALSE;
    pSite->AddRef();  // the control may tear its dialog down on a key
    BOOL bConsumed = pSite->TranslateAccelerator(pMsg);
    pSite->Release();
    return bConsumed;
}

void COleControlContainer::FireEvent(UINT nID, DISPID dispid, DISPPARAMS* pParams)
{
    // The handler may destroy the window, and this container with it, so
    // nothing here is touched after it runs.
    CWnd* pWnd = m_pWnd;
    if (pWnd->OnEvent(nID, dispid, pParams))
        return;
    const AFX_EVENTSINKMAP_ENTRY* pEntry = AfxFindEventSinkEntry(pWnd->GetEventSinkMap(), nID, dispid);
    if (pEntry)
        pEntry->pfn(pWnd, pParams);
}

void COleControlContainer::OnSized()
{
    for (COleControlSite* pSite : m_sites)
        pSite->OnContainerSized();
}

void COleControlContainer::Teardown()
{
    std::vector<COleControlSite*> sites;
    sites.swap(m_sites);
    for (COleControlSite* pSite : sites) {
        pSite->Teardown();
        pSite->Release();
    }
}
