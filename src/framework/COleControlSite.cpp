#include "COleControlSite.h"
#include "COleControlContainer.h"
#include "CWnd.h"
#include <exdisp.h>
#include <olectl.h>

LONG COleControlSite::s_cLive = 0;

namespace {

// The template bits the container applies to the control's own window;
// the rest of the item's style belongs to the control.
const DWORD kItemStyleBits = WS_TABSTOP | WS_GROUP;

LONG PixelsToHimetric(int pixels, int pixelsPerInch)
{
    return ::MulDiv(pixels, 2540, pixelsPerInch);
}

}  // namespace

COleControlSite::COleControlSite(COleControlContainer* pContainer, HWND hWndContainer, UINT nID, DWORD dwStyle,
                                 const RECT& rcPos)
    : m_pContainer(pContainer), m_hWndContainer(hWndContainer), m_nID(nID), m_dwStyle(dwStyle), m_rcPos(rcPos)
{
    ++s_cLive;
}

COleControlSite::~COleControlSite()
{
    --s_cLive;
}

ULONG COleControlSite::Release()
{
    LONG cRef = --m_cRef;
    if (cRef == 0)
        delete this;
    return static_cast<ULONG>(cRef);
}

HRESULT COleControlSite::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *ppv = static_cast<IOleClientSite*>(&m_xClientSite);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *ppv = static_cast<IOleInPlaceSite*>(&m_xInPlaceSite);
    else if (riid == IID_IOleControlSite)
        *ppv = static_cast<IOleControlSite*>(&m_xControlSite);
    else if (riid == IID_IOleInPlaceFrame || riid == IID_IOleInPlaceUIWindow)
        *ppv = static_cast<IOleInPlaceFrame*>(&m_xFrame);
    else if (riid == IID_IDispatch)
        *ppv = static_cast<IDispatch*>(&m_xAmbients);
    if (!*ppv)
        return AfxOccNote(L"QueryInterface", E_NOINTERFACE, &riid);
    AddRef();
    return AfxOccNote(L"QueryInterface", S_OK, &riid);
}

BOOL COleControlSite::CreateControl(REFCLSID clsid, const COccSavedState* pSaved)
{
    if (FAILED(CreateInstance(clsid, pSaved)) || FAILED(m_pUnknown.QueryInterface(IID_IOleObject, &m_pObject.p))) {
        m_pUnknown.Release();
        return FALSE;
    }
    // Most controls, the WebBrowser among them, want their site before
    // their state, to read ambient properties while loading.
    DWORD dwMisc = 0;
    m_pObject->GetMiscStatus(DVASPECT_CONTENT, &dwMisc);
    BOOL bSiteFirst = (dwMisc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (bSiteFirst)
        m_bClientSiteSet = SUCCEEDED(m_pObject->SetClientSite(&m_xClientSite));
    LoadState(pSaved);
    if (!bSiteFirst)
        m_bClientSiteSet = SUCCEEDED(m_pObject->SetClientSite(&m_xClientSite));
    SetExtent();
    AdviseEvents(clsid);
    m_pUnknown.QueryInterface(IID_IDispatch, &m_pDispatch.p);
    Activate();
    return TRUE;
}

HRESULT COleControlSite::CreateInstance(REFCLSID clsid, const COccSavedState* pSaved)
{
    if (!pSaved || pSaved->licenseKey.empty())
        return ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(&m_pUnknown.p));

    // A licensed control is made with the key saved at design time.
    CComPtr<IClassFactory2> pFactory;
    HRESULT hr = ::CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory2,
                                    reinterpret_cast<void**>(&pFactory.p));
    if (FAILED(hr))
        return hr;
    BSTR bstrKey = ::SysAllocStringLen(pSaved->licenseKey.data(), static_cast<UINT>(pSaved->licenseKey.size()));
    hr = pFactory->CreateInstanceLic(nullptr, nullptr, IID_IUnknown, bstrKey, reinterpret_cast<void**>(&m_pUnknown.p));
    ::SysFreeString(bstrKey);
    return hr;
}

void COleControlSite::LoadState(const COccSavedState* pSaved)
{
    CComPtr<IPersistStreamInit> pPersist;
    if (FAILED(m_pUnknown.QueryInterface(IID_IPersistStreamInit, &pPersist.p)))
        return;
    if (pSaved) {
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, pSaved->stream.size() ? pSaved->stream.size() : 1);
        CComPtr<IStream> pStream;
        if (hMem && FAILED(::CreateStreamOnHGlobal(hMem, TRUE, &pStream.p))) {
            ::GlobalFree(hMem);
            hMem = nullptr;
        }
        if (pStream) {
            ULONG cbWritten = 0;
            pStream->Write(pSaved->stream.data(), static_cast<ULONG>(pSaved->stream.size()), &cbWritten);
            LARGE_INTEGER zero = {};
            pStream->Seek(zero, STREAM_SEEK_SET, nullptr);
            if (SUCCEEDED(pPersist->Load(pStream)))
                return;
        }
    }
    // No saved state, or state the control would not take: start fresh.
    pPersist->InitNew();
}

void COleControlSite::SetExtent()
{
    HDC hdc = ::GetDC(m_hWndContainer);
    if (!hdc)
        return;
    SIZEL size = {PixelsToHimetric(m_rcPos.right - m_rcPos.left, ::GetDeviceCaps(hdc, LOGPIXELSX)),
                  PixelsToHimetric(m_rcPos.bottom - m_rcPos.top, ::GetDeviceCaps(hdc, LOGPIXELSY))};
    ::ReleaseDC(m_hWndContainer, hdc);
    m_pObject->SetExtent(DVASPECT_CONTENT, &size);
}

void COleControlSite::AdviseEvents(REFCLSID clsid)
{
    IID iid = IID_NULL;
    CComPtr<IProvideClassInfo2> pInfo;
    if (SUCCEEDED(m_pUnknown.QueryInterface(IID_IProvideClassInfo2, &pInfo.p))
        && FAILED(pInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iid)))
        iid = IID_NULL;
    if (iid == IID_NULL && clsid == CLSID_WebBrowser)
        iid = DIID_DWebBrowserEvents2;
    if (iid == IID_NULL)
        return;

    CComPtr<IConnectionPointContainer> pPoints;
    if (FAILED(m_pUnknown.QueryInterface(IID_IConnectionPointContainer, &pPoints.p)))
        return;
    CComPtr<IConnectionPoint> pPoint;
    if (FAILED(pPoints->FindConnectionPoint(iid, &pPoint.p)) || !pPoint)
        return;
    m_xEventSink.SetEventInterface(iid);
    if (SUCCEEDED(pPoint->Advise(&m_xEventSink, &m_dwEventCookie)))
        m_pEventPoint.Attach(pPoint.Detach());
}

void COleControlSite::Activate()
{
    m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_xClientSite, 0, m_hWndContainer, &m_rcPos);
    if (FAILED(m_pUnknown.QueryInterface(IID_IOleInPlaceObject, &m_pInPlaceObject.p)))
        return;
    HWND hWnd = nullptr;
    if (FAILED(m_pInPlaceObject->GetWindow(&hWnd)) || !::IsWindow(hWnd))
        return;
    m_hWndCtrl = hWnd;

    // The dialog finds the control by its id, and its tab order and group
    // come from the template, whatever the control gave its window.
    if (static_cast<UINT>(::GetDlgCtrlID(hWnd)) != m_nID)
        ::SetWindowLongPtrW(hWnd, GWLP_ID, static_cast<LONG_PTR>(m_nID));
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongW(hWnd, GWL_STYLE));
    DWORD dwWanted = (dwStyle & ~kItemStyleBits) | (m_dwStyle & kItemStyleBits);
    if (dwWanted != dwStyle)
        ::SetWindowLongW(hWnd, GWL_STYLE, static_cast<LONG>(dwWanted));
    if (m_dwStyle & WS_DISABLED)
        ::EnableWindow(hWnd, FALSE);
    FitWindow();
    // Templates leave the visible style off the control's item, yet the
    // control is to show whenever its dialog does.
    if (!(::GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE))
        ::ShowWindow(hWnd, SW_SHOWNA);
}

void COleControlSite::FitWindow()
{
    RECT rc;
    ::GetWindowRect(m_hWndCtrl, &rc);
    ::MapWindowPoints(nullptr, m_hWndContainer, reinterpret_cast<POINT*>(&rc), 2);
    if (!::EqualRect(&rc, &m_rcPos))
        SetObjectRects();
}

RECT COleControlSite::GetClipRect() const
{
    // The control may draw wherever its container's client area shows it.
    RECT rcClip = {};
    if (m_hWndContainer)
        ::GetClientRect(m_hWndContainer, &rcClip);
    return rcClip;
}

void COleControlSite::SetObjectRects()
{
    if (m_pInPlaceObject) {
        RECT rcClip = GetClipRect();
        m_pInPlaceObject->SetObjectRects(&m_rcPos, &rcClip);
    } else if (m_hWndCtrl) {
        // Not in place: nobody else will move its window.
        ::MoveWindow(m_hWndCtrl, m_rcPos.left, m_rcPos.top, m_rcPos.right - m_rcPos.left, m_rcPos.bottom - m_rcPos.top,
                     TRUE);
    }
}

void COleControlSite::MoveWindow(int x, int y, int cx, int cy)
{
    if (!m_pObject)
        return;
    m_rcPos = RECT{x, y, x + cx, y + cy};
    SetExtent();
    SetObjectRects();
}

BOOL COleControlSite::SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    if (nFlags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    if ((nFlags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
        int xNew = (nFlags & SWP_NOMOVE) ? m_rcPos.left : x;
        int yNew = (nFlags & SWP_NOMOVE) ? m_rcPos.top : y;
        int cxNew = (nFlags & SWP_NOSIZE) ? m_rcPos.right - m_rcPos.left : cx;
        int cyNew = (nFlags & SWP_NOSIZE) ? m_rcPos.bottom - m_rcPos.top : cy;
        MoveWindow(xNew, yNew, cxNew, cyNew);
    }
    if (nFlags & SWP_SHOWWINDOW)
        ShowWindow(SW_SHOW);
    if (!m_hWndCtrl)
        return FALSE;
    // Place, size and visibility are the control's business now; the rest
    // (z-order, activation, frame) is the window's.
    nFlags &= ~(SWP_HIDEWINDOW | SWP_SHOWWINDOW);
    nFlags |= SWP_NOMOVE | SWP_NOSIZE;
    return ::SetWindowPos(m_hWndCtrl, hWndInsertAfter, 0, 0, 0, 0, nFlags);
}

BOOL COleControlSite::ShowWindow(int nCmdShow)
{
    BOOL bWasVisible = m_hWndCtrl && ::IsWindowVisible(m_hWndCtrl);
    LONG verb = 0;
    switch (nCmdShow) {
    case SW_SHOW:
    case SW_SHOWNORMAL:
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA: verb = OLEIVERB_SHOW; break;
    case SW_HIDE: verb = OLEIVERB_HIDE; break;
    default: break;
    }
    if (verb && m_pObject)
        m_pObject->DoVerb(verb, nullptr, &m_xClientSite, 0, m_hWndContainer, &m_rcPos);
    // The verb is the control's to carry out.  One that does not know it (or
    // a show command no verb stands for) still gets its window shown or
    // hidden, since the product relies on the control being visible exactly
    // when it asked for that.
    if (m_hWndCtrl && ::IsWindow(m_hWndCtrl)) {
        // The window's own style, not IsWindowVisible: a hidden dialog
        // hides the control too, and that is not the control's doing.
        bool bVisibleStyle = (::GetWindowLongW(m_hWndCtrl, GWL_STYLE) & WS_VISIBLE) != 0;
        if (bVisibleStyle != (nCmdShow != SW_HIDE) || !verb)
            ::ShowWindow(m_hWndCtrl, nCmdShow);
    }
    return bWasVisible;
}

void COleControlSite::OnContainerSized()
{
    if (m_pInPlaceObject && m_hWndContainer)
        SetObjectRects();
}

void COleControlSite::Teardown()
{
    DetachWrapper();
    if (m_pEventPoint) {
        m_pEventPoint->Unadvise(m_dwEventCookie);
        m_pEventPoint.Release();
        m_dwEventCookie = 0;
    }
    // A control the player clicked into (or that the show verb activated)
    // is UI active: it leaves that state first, as OLE's order wants.
    if (m_pInPlaceObject && m_bUIActive)
        m_pInPlaceObject->UIDeactivate();
    if (m_pInPlaceObject)
        m_pInPlaceObject->InPlaceDeactivate();
    if (m_pObject) {
        m_pObject->Close(OLECLOSE_NOSAVE);
        if (m_bClientSiteSet)
            m_pObject->SetClientSite(nullptr);
        m_bClientSiteSet = FALSE;
    }
    m_pActiveObject.Release();
    m_pInPlaceObject.Release();
    m_pDispatch.Release();
    m_pObject.Release();
    m_pUnknown.Release();
    m_pContainer = nullptr;
    m_hWndContainer = nullptr;
    m_hWndCtrl = nullptr;
}

void COleControlSite::DetachWrapper()
{
    // The wrapper DDX_Control attached is still subclassing the control's
    // window here: child windows go after their dialog's WM_DESTROY.
    CWnd* pWrapper = CWnd::FromHandlePermanent(m_hWndCtrl);
    if (pWrapper && pWrapper->m_pCtrlSite == this)
        pWrapper->m_pCtrlSite = nullptr;
}

BOOL COleControlSite::TranslateAccelerator(MSG* pMsg)
{
    CComPtr<IOleInPlaceActiveObject> pActive = m_pActiveObject;
    if (!pActive && m_pUnknown)
        m_pUnknown.QueryInterface(IID_IOleInPlaceActiveObject, &pActive.p);
    return pActive && pActive->TranslateAccelerator(pMsg) == S_OK;
}

HRESULT COleControlSite::GetContainerWindow(HWND* phwnd) const
{
    if (!phwnd)
        return E_POINTER;
    *phwnd = m_hWndContainer;
    return m_hWndContainer ? S_OK : E_FAIL;
}

HRESULT COleControlSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                          LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame)
        *ppFrame = nullptr;
    if (ppDoc)
        *ppDoc = nullptr;
    if (!ppFrame || !ppDoc || !lprcPosRect || !lprcClipRect || !lpFrameInfo)
        return E_POINTER;
    if (!m_hWndContainer)
        return E_FAIL;
    // The dialog is both frame and document window, so there is no
    // separate document window to hand out.
    *ppFrame = &m_xFrame;
    AddRef();
    *lprcPosRect = m_rcPos;
    *lprcClipRect = GetClipRect();
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = m_hWndContainer;
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

HRESULT COleControlSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    if (!lprcPosRect)
        return E_POINTER;
    if (!m_hWndContainer || !m_pInPlaceObject)
        return E_FAIL;
    m_rcPos = *lprcPosRect;
    RECT rcClip = GetClipRect();
    return m_pInPlaceObject->SetObjectRects(&m_rcPos, &rcClip);
}

void COleControlSite::FireEvent(DISPID dispid, DISPPARAMS* pParams)
{
    if (m_pContainer)
        m_pContainer->FireEvent(m_nID, dispid, pParams);
}
