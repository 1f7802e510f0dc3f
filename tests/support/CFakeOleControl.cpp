#include "CFakeOleControl.h"
#include "CFakeWebBrowser.h"
#include <docobj.h>
#include <exdisp.h>
#include <idispids.h>
#include <mshtmdid.h>
#include <mshtmhst.h>
#include <olectl.h>
#include <string>

CFakeOleControl::CFakeOleControl(CFakeWebBrowser* control, std::shared_ptr<FakeBrowserRecord> record)
    : m_control(control), m_record(std::move(record))
{
}

CFakeOleControl::~CFakeOleControl()
{
    m_window.Destroy();
}

HRESULT CFakeOleControl::QueryInterface(REFIID riid, void** ppv)
{
    return m_control->QueryInterface(riid, ppv);
}

ULONG CFakeOleControl::AddRef()
{
    return m_control->AddRef();
}

ULONG CFakeOleControl::Release()
{
    return m_control->Release();
}

HRESULT CFakeOleControl::SetClientSite(IOleClientSite* site)
{
    m_record->containerCalls.push_back(site ? L"SetClientSite" : L"SetClientSite(null)");
    ReleaseSite();
    if (!site)
        return S_OK;
    m_site = site;
    AskInterfaces();
    ReadAmbients();
    return S_OK;
}

void CFakeOleControl::AskInterfaces()
{
    Asked(L"QueryInterface(IOleInPlaceSite)");
    m_site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(m_inPlaceSite.GetAddressOf()));
    Asked(L"QueryInterface(IOleControlSite)");
    m_site->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(m_controlSite.GetAddressOf()));
    // Asked and let go: the page's UI handler and command target would come
    // from here if the container offered them.
    ComPtr<IUnknown> offered;
    Asked(L"QueryInterface(IDocHostUIHandler)");
    m_site->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(offered.ReleaseAndGetAddressOf()));
    Asked(L"QueryInterface(IOleCommandTarget)");
    m_site->QueryInterface(IID_IOleCommandTarget, reinterpret_cast<void**>(offered.ReleaseAndGetAddressOf()));
}

void CFakeOleControl::ReadAmbients()
{
    struct Ambient {
        const wchar_t* name;
        DISPID id;
    };
    static const Ambient kAmbients[] = {
        {L"USERMODE", DISPID_AMBIENT_USERMODE},   {L"DLCONTROL", DISPID_AMBIENT_DLCONTROL},
        {L"USERAGENT", DISPID_AMBIENT_USERAGENT}, {L"PALETTE", DISPID_AMBIENT_PALETTE},
        {L"SILENT", DISPID_AMBIENT_SILENT},       {L"OFFLINEIFNOTCONNECTED", DISPID_AMBIENT_OFFLINEIFNOTCONNECTED},
    };
    Asked(L"QueryInterface(IDispatch)");
    ComPtr<IDispatch> ambients;
    m_site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(ambients.GetAddressOf()));
    if (!ambients)
        return;
    for (const Ambient& ambient : kAmbients) {
        Asked((std::wstring(L"Ambient(") + ambient.name + L")").c_str());
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        VARIANT value;
        VariantInit(&value);
        HRESULT hr = ambients->Invoke(ambient.id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value,
                                      nullptr, nullptr);
        m_record->ambients.push_back(FakeAmbient{ambient.name, hr, CFakeVariant(value)});
        VariantClear(&value);
    }
}

HRESULT CFakeOleControl::Close(DWORD)
{
    m_record->containerCalls.push_back(L"Close");
    Deactivate();
    return S_OK;
}

HRESULT CFakeOleControl::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT posRect)
{
    m_record->containerCalls.push_back(L"DoVerb(" + std::to_wstring(verb) + L")");
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE: return Activate(parent, posRect, false);
    case OLEIVERB_UIACTIVATE: return Activate(parent, posRect, true);
    case OLEIVERB_HIDE:
        if (m_window.Handle())
            ShowWindow(m_window.Handle(), SW_HIDE);
        return S_OK;
    default: return E_NOTIMPL;
    }
}

HRESULT CFakeOleControl::Activate(HWND parent, LPCRECT posRect, bool uiActivate)
{
    // Held here: a site's answer may take the control's site away.
    ComPtr<IOleClientSite> site = m_site;
    ComPtr<IOleInPlaceSite> inPlaceSite = m_inPlaceSite;
    if (!site)
        return E_UNEXPECTED;
    if (!m_inPlaceActive) {
        Asked(L"GetContainer");
        ComPtr<IOleContainer> container;
        site->GetContainer(container.GetAddressOf());
        if (!inPlaceSite)
            return E_NOINTERFACE;
        Asked(L"CanInPlaceActivate");
        if (inPlaceSite->CanInPlaceActivate() != S_OK)
            return E_FAIL;
        Asked(L"OnInPlaceActivate");
        inPlaceSite->OnInPlaceActivate();
        Asked(L"GetWindow");
        HWND siteWindow = nullptr;
        if (SUCCEEDED(inPlaceSite->GetWindow(&siteWindow)) && siteWindow)
            parent = siteWindow;
        RECT pos = posRect ? *posRect : RECT{};
        RECT clip = pos;
        AskWindowContext(inPlaceSite.Get(), &pos, &clip);
        m_record->lastPosRect = pos;
        m_record->lastClipRect = clip;
        if (!parent || !m_window.Create(parent, pos, m_control)) {
            m_frame.Reset();
            m_uiWindow.Reset();
            Asked(L"OnInPlaceDeactivate");
            inPlaceSite->OnInPlaceDeactivate();
            return E_FAIL;
        }
        m_inPlaceActive = true;
        IOleInPlaceActiveObject* active = this;
        if (m_frame) {
            Asked(L"Frame.GetWindow");
            HWND frameWindow = nullptr;
            m_frame->GetWindow(&frameWindow);
            Asked(L"Frame.SetActiveObject");
            m_frame->SetActiveObject(active, nullptr);
        }
        if (m_uiWindow) {
            Asked(L"UIWindow.SetActiveObject");
            m_uiWindow->SetActiveObject(active, nullptr);
        }
        m_control->WindowReady();
    }
    if (uiActivate)
        EnterUIActive(inPlaceSite.Get());
    if (m_window.Handle() && !IsWindowVisible(m_window.Handle()))
        ShowWindow(m_window.Handle(), SW_SHOW);
    Asked(L"ShowObject");
    site->ShowObject();
    return S_OK;
}

void CFakeOleControl::PageClicked()
{
    ComPtr<IOleInPlaceSite> inPlaceSite = m_inPlaceSite;
    if (!m_inPlaceActive || !inPlaceSite)
        return;
    m_record->pageClicks++;
    EnterUIActive(inPlaceSite.Get());
    RECT pos = m_window.View();
    RECT clip = pos;
    if (FAILED(AskWindowContext(inPlaceSite.Get(), &pos, &clip)))
        return;
    // What the site answers is where the control now stands.
    Place(pos, clip);
    if (m_frame) {
        Asked(L"Frame.SetActiveObject");
        m_frame->SetActiveObject(this, nullptr);
    }
}

HRESULT CFakeOleControl::AskWindowContext(IOleInPlaceSite* inPlaceSite, RECT* pos, RECT* clip)
{
    Asked(L"GetWindowContext");
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> uiWindow;
    OLEINPLACEFRAMEINFO frameInfo = {};
    frameInfo.cb = sizeof(frameInfo);
    HRESULT hr = inPlaceSite->GetWindowContext(frame.GetAddressOf(), uiWindow.GetAddressOf(), pos, clip, &frameInfo);
    if (SUCCEEDED(hr)) {
        m_frame = frame;
        m_uiWindow = uiWindow;
    }
    return hr;
}

void CFakeOleControl::EnterUIActive(IOleInPlaceSite* inPlaceSite)
{
    if (m_uiActive)
        return;
    Asked(L"OnUIActivate");
    inPlaceSite->OnUIActivate();
    m_uiActive = true;
}

void CFakeOleControl::Place(const RECT& pos, const RECT& clip)
{
    m_record->lastPosRect = pos;
    m_record->lastClipRect = clip;
    m_window.Move(pos);
}

void CFakeOleControl::Deactivate()
{
    if (!m_inPlaceActive)
        return;
    ComPtr<IOleInPlaceSite> inPlaceSite = m_inPlaceSite;
    if (m_uiActive) {
        m_uiActive = false;
        Asked(L"OnUIDeactivate");
        inPlaceSite->OnUIDeactivate(FALSE);
    }
    if (m_frame) {
        Asked(L"Frame.SetActiveObject(null)");
        m_frame->SetActiveObject(nullptr, nullptr);
    }
    if (m_uiWindow) {
        Asked(L"UIWindow.SetActiveObject(null)");
        m_uiWindow->SetActiveObject(nullptr, nullptr);
    }
    m_window.Destroy();
    m_inPlaceActive = false;
    Asked(L"OnInPlaceDeactivate");
    inPlaceSite->OnInPlaceDeactivate();
    m_frame.Reset();
    m_uiWindow.Reset();
}

void CFakeOleControl::ReleaseSite()
{
    // A site taken away while the control is active: leave it first, as the
    // site still expects to hear of it.
    Deactivate();
    m_inPlaceSite.Reset();
    m_controlSite.Reset();
    m_site.Reset();
}

HRESULT CFakeOleControl::GetUserClassID(CLSID* pClsid)
{
    if (!pClsid)
        return E_POINTER;
    *pClsid = CLSID_WebBrowser;
    return S_OK;
}

HRESULT CFakeOleControl::SetExtent(DWORD, SIZEL* size)
{
    m_record->containerCalls.push_back(L"SetExtent");
    if (!size)
        return E_INVALIDARG;
    m_extent = *size;
    return S_OK;
}

HRESULT CFakeOleControl::GetExtent(DWORD, SIZEL* size)
{
    if (!size)
        return E_INVALIDARG;
    *size = m_extent;
    return S_OK;
}

HRESULT CFakeOleControl::GetMiscStatus(DWORD, DWORD* status)
{
    if (!status)
        return E_POINTER;
    *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE
              | OLEMISC_RECOMPOSEONRESIZE;
    return S_OK;
}

HRESULT CFakeOleControl::GetWindow(HWND* phwnd)
{
    if (!phwnd)
        return E_POINTER;
    *phwnd = m_window.Handle();
    return *phwnd ? S_OK : E_FAIL;
}

HRESULT CFakeOleControl::InPlaceDeactivate()
{
    m_record->containerCalls.push_back(L"InPlaceDeactivate");
    Deactivate();
    return S_OK;
}

HRESULT CFakeOleControl::UIDeactivate()
{
    m_record->containerCalls.push_back(L"UIDeactivate");
    if (m_uiActive && m_inPlaceSite) {
        m_uiActive = false;
        Asked(L"OnUIDeactivate");
        ComPtr<IOleInPlaceSite> inPlaceSite = m_inPlaceSite;
        inPlaceSite->OnUIDeactivate(FALSE);
    }
    return S_OK;
}

HRESULT CFakeOleControl::SetObjectRects(LPCRECT posRect, LPCRECT clipRect)
{
    m_record->containerCalls.push_back(L"SetObjectRects");
    if (!posRect)
        return E_INVALIDARG;
    Place(*posRect, clipRect ? *clipRect : *posRect);
    return S_OK;
}

HRESULT CFakeOleControl::TranslateAccelerator(LPMSG msg)
{
    if (msg)
        m_record->accelerators.push_back(FakeAccelerator{msg->message, msg->wParam});
    return S_FALSE;  // never consumed: the key goes on to the dialog and the page
}
