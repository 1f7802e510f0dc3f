#include "CWebUIController.h"
#include "CUIHandlerForwarder.h"
#include <exdispid.h>

CWebUIController::CWebUIController() : m_pForwarder(CUIHandlerForwarder::Create(this))
{
}

CWebUIController::~CWebUIController()
{
    if (m_pForwarder)
        m_pForwarder->DisconnectAndRelease();
}

IDocHostUIHandler* CWebUIController::GetDocumentHandler() const
{
    return m_pForwarder;
}

HRESULT CWebUIController::SetWebBrowser(IWebBrowser2* pBrowser)
{
    if (m_pWebBrowser) {
        // Best effort: a browser that no longer finds the connection
        // point is dropped all the same.
        CComPtr<IConnectionPointContainer> pContainer;
        HRESULT hr = m_pWebBrowser.QueryInterface(IID_IConnectionPointContainer, &pContainer.p);
        if (SUCCEEDED(hr) && pContainer) {
            CComPtr<IConnectionPoint> pPoint;
            hr = pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, &pPoint);
            if (SUCCEEDED(hr) && pPoint)
                pPoint->Unadvise(m_dwCookie);
        }
        m_dwCookie = 0;
        m_pWebBrowser.Release();
    }

    // The controller's own reference, until the next call.
    m_pWebBrowser = pBrowser;
    if (!pBrowser)
        return S_OK;

    CComPtr<IConnectionPointContainer> pContainer;
    HRESULT hr = m_pWebBrowser.QueryInterface(IID_IConnectionPointContainer, &pContainer.p);
    if (FAILED(hr) || !pContainer)
        return hr;
    CComPtr<IConnectionPoint> pPoint;
    hr = pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, &pPoint);
    if (SUCCEEDED(hr) && pPoint)
        hr = pPoint->Advise(static_cast<DWebBrowserEvents2*>(this), &m_dwCookie);
    return hr;
}

STDMETHODIMP CWebUIController::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    // The identity is the handler view, so a document comparing the
    // handler it was given with any other answer of ours sees one object.
    if (IsEqualIID(riid, DIID_DWebBrowserEvents2) || IsEqualIID(riid, IID_IDispatch))
        *ppv = static_cast<DWebBrowserEvents2*>(this);
    else if (IsEqualIID(riid, IID_IDocHostUIHandler) || IsEqualIID(riid, IID_IUnknown))
        *ppv = static_cast<IDocHostUIHandler*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CWebUIController::AddRef()
{
    return static_cast<ULONG>(++m_nRefCount);
}

// The owning window frees the controller, so coming back to zero frees
// nothing; the object stays usable and can be referenced again.
STDMETHODIMP_(ULONG) CWebUIController::Release()
{
    return static_cast<ULONG>(--m_nRefCount);
}

STDMETHODIMP CWebUIController::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams, VARIANT*,
                                      EXCEPINFO*, UINT*)
{
    if (!pDispParams)
        return E_INVALIDARG;
    if (dispIdMember != DISPID_NAVIGATECOMPLETE2)
        return S_OK;
    if (pDispParams->cArgs < 2 || !pDispParams->rgvarg)
        return E_INVALIDARG;
    // Arguments arrive in reverse order: the page or frame that navigated,
    // the event's first parameter, is the last of the two.
    const VARIANT& object = pDispParams->rgvarg[1];
    if (object.vt != VT_DISPATCH)
        return E_INVALIDARG;
    InstallUIHandler(object.pdispVal);
    return S_OK;
}

void CWebUIController::InstallUIHandler(IDispatch* pObject)
{
    if (!pObject)
        return;
    CComPtr<IWebBrowser2> pBrowser;
    HRESULT hr = pObject->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&pBrowser.p));
    if (FAILED(hr) || !pBrowser)
        return;
    CComPtr<IDispatch> pDocument;
    hr = pBrowser->get_Document(&pDocument);
    if (FAILED(hr) || !pDocument)
        return;
    // The import libraries lack IID_ICustomDoc; the header's declaration
    // carries the same id.
    CComPtr<ICustomDoc> pCustomDoc;
    hr = pDocument.QueryInterface(__uuidof(ICustomDoc), &pCustomDoc.p);
    // The forwarder, not this object: the document may keep it after the
    // window that owns this controller is gone.
    if (SUCCEEDED(hr) && pCustomDoc && m_pForwarder)
        pCustomDoc->SetUIHandler(m_pForwarder);
}

STDMETHODIMP CWebUIController::GetHostInfo(DOCHOSTUIINFO* pInfo)
{
    // Bits are only added: the document's own flags and every other member
    // of the block stay as the document filled them in.
    if (pInfo) {
        if (!m_b3DBorder)
            pInfo->dwFlags |= DOCHOSTUIFLAG_NO3DBORDER;
        if (!m_bScrollBars)
            pInfo->dwFlags |= DOCHOSTUIFLAG_SCROLL_NO;
    }
    return S_OK;
}
