#include "CFakeConnectionPoint.h"
#include <exdisp.h>
#include <exdispid.h>

ComPtr<CFakeConnectionPoint> CFakeConnectionPoint::Create(IConnectionPointContainer* container,
                                                          std::shared_ptr<FakeBrowserRecord> record)
{
    return ComPtr<CFakeConnectionPoint>(new CFakeConnectionPoint(container, std::move(record)));
}

CFakeConnectionPoint::CFakeConnectionPoint(IConnectionPointContainer* container,
                                           std::shared_ptr<FakeBrowserRecord> record)
    : m_container(container), m_record(std::move(record))
{
}

void CFakeConnectionPoint::Detach()
{
    m_container = nullptr;
    // Moved out first: a sink's Release may call back into this point.
    std::vector<Sink> sinks;
    sinks.swap(m_sinks);
}

void* CFakeConnectionPoint::Interface(REFIID riid)
{
    if (IidIn(riid, {IID_IUnknown, IID_IConnectionPoint}))
        return static_cast<IConnectionPoint*>(this);
    return nullptr;
}

HRESULT CFakeConnectionPoint::GetConnectionInterface(IID* pIID)
{
    if (!pIID)
        return E_POINTER;
    *pIID = DIID_DWebBrowserEvents2;
    return S_OK;
}

HRESULT CFakeConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC)
{
    if (!ppCPC)
        return E_POINTER;
    *ppCPC = nullptr;
    if (!m_container)
        return E_UNEXPECTED;
    return FakeGive(m_container, ppCPC);
}

HRESULT CFakeConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (m_record)
        m_record->containerCalls.push_back(L"Advise");
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    ComPtr<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(dispatch.GetAddressOf())))
        || !dispatch) {
        dispatch.Reset();
        if (FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.GetAddressOf()))) || !dispatch)
            return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = m_nextCookie++;
    m_sinks.push_back(Sink{*cookie, dispatch});
    return S_OK;
}

HRESULT CFakeConnectionPoint::Unadvise(DWORD cookie)
{
    if (m_record)
        m_record->containerCalls.push_back(L"Unadvise");
    for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
        if (it->cookie == cookie) {
            // Released after the list no longer holds it: the sink's Release
            // may re-enter.
            ComPtr<IDispatch> gone = it->dispatch;
            m_sinks.erase(it);
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

void CFakeConnectionPoint::Fire(DISPID id, DISPPARAMS* params)
{
    std::vector<Sink> sinks = m_sinks;
    // No result, exception or argument-error slots, as the real control
    // calls its sinks.
    for (const Sink& sink : sinks)
        sink.dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params, nullptr, nullptr, nullptr);
}

namespace {

void FireBrowserEvent(CFakeConnectionPoint& point, DISPID id, IDispatch* browser, const std::wstring& url)
{
    VARIANT address;
    VariantInit(&address);
    address.vt = VT_BSTR;
    address.bstrVal = FakeBstr(url.data(), static_cast<UINT>(url.size()));
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[1].vt = VT_DISPATCH;
    args[1].pdispVal = browser;
    args[0].vt = VT_VARIANT | VT_BYREF;
    args[0].pvarVal = &address;
    DISPPARAMS params = {args, nullptr, 2, 0};
    point.Fire(id, &params);
    VariantClear(&address);
}

// An event whose one argument is a text (VT_BSTR).
void FireTextEvent(CFakeConnectionPoint& point, DISPID id, const std::wstring& text)
{
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = FakeBstr(text.data(), static_cast<UINT>(text.size()));
    DISPPARAMS params = {&arg, nullptr, 1, 0};
    point.Fire(id, &params);
    VariantClear(&arg);
}

// An event with two plain arguments, first as the event declares them
// (DISPPARAMS holds them last to first).
void FireTwoArgEvent(CFakeConnectionPoint& point, DISPID id, const VARIANT& first, const VARIANT& second)
{
    VARIANT args[2] = {second, first};
    DISPPARAMS params = {args, nullptr, 2, 0};
    point.Fire(id, &params);
}

VARIANT I4(long value)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

}  // namespace

void CFakeConnectionPoint::FireNavigateComplete2(IDispatch* browser, const std::wstring& url)
{
    FireBrowserEvent(*this, DISPID_NAVIGATECOMPLETE2, browser, url);
}

void CFakeConnectionPoint::FireDocumentComplete(IDispatch* browser, const std::wstring& url)
{
    FireBrowserEvent(*this, DISPID_DOCUMENTCOMPLETE, browser, url);
}

void CFakeConnectionPoint::FireTitleChange(const std::wstring& title)
{
    FireTextEvent(*this, DISPID_TITLECHANGE, title);
}

bool CFakeConnectionPoint::FireNewWindow2()
{
    IDispatch* newWindow = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[1].vt = VT_DISPATCH | VT_BYREF;
    args[1].ppdispVal = &newWindow;
    args[0].vt = VT_BOOL | VT_BYREF;
    args[0].pboolVal = &cancel;
    DISPPARAMS params = {args, nullptr, 2, 0};
    Fire(DISPID_NEWWINDOW2, &params);
    if (newWindow)
        newWindow->Release();
    return cancel != VARIANT_FALSE;
}

bool CFakeConnectionPoint::FireNewWindow3(const std::wstring& urlContext, const std::wstring& url)
{
    IDispatch* newWindow = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT args[5];
    for (VARIANT& arg : args)
        VariantInit(&arg);
    args[4].vt = VT_DISPATCH | VT_BYREF;
    args[4].ppdispVal = &newWindow;
    args[3].vt = VT_BOOL | VT_BYREF;
    args[3].pboolVal = &cancel;
    args[2].vt = VT_I4;
    args[2].lVal = 0x2;  // NWMF_USERINITED: the page asked on a click
    args[1].vt = VT_BSTR;
    args[1].bstrVal = FakeBstr(urlContext.data(), static_cast<UINT>(urlContext.size()));
    args[0].vt = VT_BSTR;
    args[0].bstrVal = FakeBstr(url.data(), static_cast<UINT>(url.size()));
    DISPPARAMS params = {args, nullptr, 5, 0};
    Fire(DISPID_NEWWINDOW3, &params);
    VariantClear(&args[1]);
    VariantClear(&args[0]);
    if (newWindow)
        newWindow->Release();
    return cancel != VARIANT_FALSE;
}

bool CFakeConnectionPoint::FireBeforeNavigate2(IDispatch* browser, const std::wstring& url)
{
    // The by-reference arguments point at these, as the real control's do.
    VARIANT address, flags, target, postData, headers;
    for (VARIANT* v : {&address, &flags, &target, &postData, &headers})
        VariantInit(v);
    address.vt = VT_BSTR;
    address.bstrVal = FakeBstr(url.data(), static_cast<UINT>(url.size()));
    flags.vt = VT_I4;
    flags.lVal = 0;
    target.vt = VT_BSTR;
    target.bstrVal = FakeBstr(L"", 0);
    headers.vt = VT_BSTR;
    headers.bstrVal = FakeBstr(L"", 0);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT args[7];
    for (VARIANT& arg : args)
        VariantInit(&arg);
    args[6].vt = VT_DISPATCH;
    args[6].pdispVal = browser;
    VARIANT* refs[5] = {&address, &flags, &target, &postData, &headers};
    for (int i = 0; i < 5; ++i) {
        args[5 - i].vt = VT_VARIANT | VT_BYREF;
        args[5 - i].pvarVal = refs[i];
    }
    args[0].vt = VT_BOOL | VT_BYREF;
    args[0].pboolVal = &cancel;
    DISPPARAMS params = {args, nullptr, 7, 0};
    Fire(DISPID_BEFORENAVIGATE2, &params);
    for (VARIANT* v : {&address, &flags, &target, &postData, &headers})
        VariantClear(v);
    return cancel != VARIANT_FALSE;
}

void CFakeConnectionPoint::FireDownloadBegin()
{
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    Fire(DISPID_DOWNLOADBEGIN, &none);
}

void CFakeConnectionPoint::FireDownloadComplete()
{
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    Fire(DISPID_DOWNLOADCOMPLETE, &none);
}

void CFakeConnectionPoint::FireProgressChange(long progress, long progressMax)
{
    FireTwoArgEvent(*this, DISPID_PROGRESSCHANGE, I4(progress), I4(progressMax));
}

void CFakeConnectionPoint::FireStatusTextChange(const std::wstring& text)
{
    FireTextEvent(*this, DISPID_STATUSTEXTCHANGE, text);
}

void CFakeConnectionPoint::FireCommandStateChange(long command, bool enable)
{
    VARIANT state;
    VariantInit(&state);
    state.vt = VT_BOOL;
    state.boolVal = enable ? VARIANT_TRUE : VARIANT_FALSE;
    FireTwoArgEvent(*this, DISPID_COMMANDSTATECHANGE, I4(command), state);
}
