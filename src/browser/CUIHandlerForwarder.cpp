#include "CUIHandlerForwarder.h"
#include "CWebUIController.h"
#include <new>

LONG CUIHandlerForwarder::s_cLive = 0;

CUIHandlerForwarder* CUIHandlerForwarder::Create(CWebUIController* pOwner)
{
    return new (std::nothrow) CUIHandlerForwarder(pOwner);
}

void CUIHandlerForwarder::DisconnectAndRelease()
{
    m_pOwner = nullptr;
    Release();
}

STDMETHODIMP CUIHandlerForwarder::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDocHostUIHandler))
        return E_NOINTERFACE;
    *ppv = static_cast<IDocHostUIHandler*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CUIHandlerForwarder::AddRef()
{
    if (m_pOwner)
        m_pOwner->AddRef();
    return static_cast<ULONG>(++m_cRef);
}

STDMETHODIMP_(ULONG) CUIHandlerForwarder::Release()
{
    if (m_pOwner)
        m_pOwner->Release();
    LONG cRef = --m_cRef;
    if (cRef == 0)
        delete this;
    return static_cast<ULONG>(cRef);
}

STDMETHODIMP CUIHandlerForwarder::GetHostInfo(DOCHOSTUIINFO* pInfo)
{
    return m_pOwner ? m_pOwner->GetHostInfo(pInfo) : S_OK;
}

// The rest decline in the owner as well; they go through it all the same, so
// the controller stays the one place that decides.
STDMETHODIMP CUIHandlerForwarder::ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdt, IDispatch* pdisp)
{
    return m_pOwner ? m_pOwner->ShowContextMenu(dwID, ppt, pcmdt, pdisp) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject,
                                         IOleCommandTarget* pCommandTarget, IOleInPlaceFrame* pFrame,
                                         IOleInPlaceUIWindow* pDoc)
{
    return m_pOwner ? m_pOwner->ShowUI(dwID, pActiveObject, pCommandTarget, pFrame, pDoc) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::HideUI()
{
    return m_pOwner ? m_pOwner->HideUI() : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::UpdateUI()
{
    return m_pOwner ? m_pOwner->UpdateUI() : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::EnableModeless(BOOL f)
{
    return m_pOwner ? m_pOwner->EnableModeless(f) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::OnDocWindowActivate(BOOL f)
{
    return m_pOwner ? m_pOwner->OnDocWindowActivate(f) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::OnFrameWindowActivate(BOOL f)
{
    return m_pOwner ? m_pOwner->OnFrameWindowActivate(f) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fFrame)
{
    return m_pOwner ? m_pOwner->ResizeBorder(prcBorder, pUIWindow, fFrame) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID)
{
    return m_pOwner ? m_pOwner->TranslateAccelerator(lpMsg, pguidCmdGroup, nCmdID) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw)
{
    return m_pOwner ? m_pOwner->GetOptionKeyPath(pchKey, dw) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget)
{
    return m_pOwner ? m_pOwner->GetDropTarget(pDropTarget, ppDropTarget) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::GetExternal(IDispatch** ppDispatch)
{
    return m_pOwner ? m_pOwner->GetExternal(ppDispatch) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::TranslateUrl(DWORD dwTranslate, LPWSTR pchURLIn, LPWSTR* ppchURLOut)
{
    return m_pOwner ? m_pOwner->TranslateUrl(dwTranslate, pchURLIn, ppchURLOut) : E_NOTIMPL;
}
STDMETHODIMP CUIHandlerForwarder::FilterDataObject(IDataObject* pDO, IDataObject** ppDORet)
{
    return m_pOwner ? m_pOwner->FilterDataObject(pDO, ppDORet) : E_NOTIMPL;
}
