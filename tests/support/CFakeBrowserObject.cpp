#include "CFakeBrowserObject.h"

namespace {

// The argument a caller passed at position pos of the member's declared
// parameters: DISPPARAMS holds them last to first.
const VARIANT* Arg(const DISPPARAMS* params, UINT pos)
{
    if (!params || pos >= params->cArgs)
        return nullptr;
    return &params->rgvarg[params->cArgs - 1 - pos];
}

// Converts an argument to vt, looking through one level of reference
// (VT_BSTR|VT_BYREF, VT_VARIANT|VT_BYREF ...) as a typed member would.
HRESULT ArgAs(const VARIANT& in, VARTYPE vt, VARIANT* out)
{
    VariantInit(out);
    if ((in.vt & VT_BYREF) && !in.byref)
        return DISP_E_TYPEMISMATCH;
    VARIANT plain;
    VariantInit(&plain);
    HRESULT hr = VariantCopyInd(&plain, const_cast<VARIANT*>(&in));
    if (SUCCEEDED(hr))
        hr = VariantChangeType(out, &plain, 0, vt);
    VariantClear(&plain);
    return FAILED(hr) ? DISP_E_TYPEMISMATCH : S_OK;
}

struct NameId {
    const wchar_t* name;
    DISPID id;
};

const NameId kMembers[] = {
    {L"Navigate", CFakeBrowserObject::kNavigate},       {L"Refresh", CFakeBrowserObject::kRefresh},
    {L"LocationURL", CFakeBrowserObject::kLocationURL}, {L"Document", CFakeBrowserObject::kDocument},
    {L"Silent", CFakeBrowserObject::kSilent},           {L"StatusBar", CFakeBrowserObject::kStatusBar},
};

}  // namespace

HRESULT CFakeBrowserObject::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT CFakeBrowserObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (const NameId& member : kMembers) {
        if (names[0] && lstrcmpiW(names[0], member.name) == 0) {
            ids[0] = member.id;
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT CFakeBrowserObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO*, UINT* argErr)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    if (!params)
        params = &none;
    if (params->cArgs > 0 && !params->rgvarg)
        return E_INVALIDARG;
    if (result)
        VariantInit(result);

    switch (id) {
    case kNavigate:
        if (!(flags & DISPATCH_METHOD))
            return DISP_E_MEMBERNOTFOUND;
        return InvokeNavigate(params, argErr);
    case kRefresh:
        if (!(flags & DISPATCH_METHOD))
            return DISP_E_MEMBERNOTFOUND;
        return params->cArgs == 0 ? Refresh() : DISP_E_BADPARAMCOUNT;
    case kLocationURL:
    case kDocument:
        if (!(flags & DISPATCH_PROPERTYGET))
            return DISP_E_MEMBERNOTFOUND;
        if (params->cArgs != 0)
            return DISP_E_BADPARAMCOUNT;
        if (!result)
            return E_POINTER;
        if (id == kLocationURL) {
            result->vt = VT_BSTR;
            return get_LocationURL(&result->bstrVal);
        }
        // No document reads back as a null object of the declared type.
        result->vt = VT_DISPATCH;
        return get_Document(&result->pdispVal);
    case kSilent:
    case kStatusBar: return InvokeBool(id, flags, params, result, argErr);
    default: return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT CFakeBrowserObject::InvokeNavigate(DISPPARAMS* params, UINT* argErr)
{
    if (params->cArgs < 1 || params->cArgs > 5)
        return DISP_E_BADPARAMCOUNT;
    VARIANT url;
    if (FAILED(ArgAs(*Arg(params, 0), VT_BSTR, &url))) {
        if (argErr)
            *argErr = params->cArgs - 1;
        return DISP_E_TYPEMISMATCH;
    }
    // The four optional arguments come in any of the forms a caller uses for
    // "absent" (VT_ERROR, VT_EMPTY, a reference to either); none is read.
    VARIANT* optional[4] = {};
    for (UINT i = 1; i < params->cArgs; ++i)
        optional[i - 1] = const_cast<VARIANT*>(Arg(params, i));
    HRESULT hr = Navigate(url.bstrVal, optional[0], optional[1], optional[2], optional[3]);
    VariantClear(&url);
    return hr;
}

HRESULT CFakeBrowserObject::InvokeBool(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, UINT* argErr)
{
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (params->cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        VARIANT value;
        if (FAILED(ArgAs(params->rgvarg[0], VT_BOOL, &value))) {
            if (argErr)
                *argErr = 0;
            return DISP_E_TYPEMISMATCH;
        }
        return id == kSilent ? put_Silent(value.boolVal) : put_StatusBar(value.boolVal);
    }
    if (!(flags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 0)
        return DISP_E_BADPARAMCOUNT;
    if (!result)
        return E_POINTER;
    result->vt = VT_BOOL;
    return id == kSilent ? get_Silent(&result->boolVal) : get_StatusBar(&result->boolVal);
}

HRESULT CFakeBrowserObject::Navigate(BSTR URL, VARIANT*, VARIANT*, VARIANT*, VARIANT*)
{
    std::wstring url = URL ? std::wstring(URL, SysStringLen(URL)) : std::wstring();
    if (m_record)
        m_record->navigations.push_back(url);
    return StartNavigation(url);
}

HRESULT CFakeBrowserObject::Refresh()
{
    if (m_record)
        m_record->refreshCalls++;
    return Reload();
}

HRESULT CFakeBrowserObject::get_LocationName(BSTR* p)
{
    if (!p)
        return E_POINTER;
    *p = FakeBstr(m_title.data(), static_cast<UINT>(m_title.size()));
    return S_OK;
}

HRESULT CFakeBrowserObject::get_LocationURL(BSTR* p)
{
    if (!p)
        return E_POINTER;
    *p = FakeBstr(m_url.data(), static_cast<UINT>(m_url.size()));
    return S_OK;
}

HRESULT CFakeBrowserObject::get_Busy(VARIANT_BOOL* p)
{
    if (!p)
        return E_POINTER;
    *p = VARIANT_FALSE;
    return S_OK;
}

HRESULT CFakeBrowserObject::get_StatusBar(VARIANT_BOOL* p)
{
    if (!p)
        return E_POINTER;
    *p = m_statusBar;
    return S_OK;
}

HRESULT CFakeBrowserObject::put_StatusBar(VARIANT_BOOL value)
{
    m_statusBar = value ? VARIANT_TRUE : VARIANT_FALSE;
    if (m_record)
        m_record->statusBarPuts.push_back(value != VARIANT_FALSE);
    return S_OK;
}

HRESULT CFakeBrowserObject::get_ReadyState(READYSTATE* p)
{
    if (!p)
        return E_POINTER;
    *p = m_document ? READYSTATE_COMPLETE : READYSTATE_UNINITIALIZED;
    return S_OK;
}

HRESULT CFakeBrowserObject::get_Silent(VARIANT_BOOL* p)
{
    if (!p)
        return E_POINTER;
    *p = m_silent;
    return S_OK;
}

HRESULT CFakeBrowserObject::put_Silent(VARIANT_BOOL value)
{
    m_silent = value ? VARIANT_TRUE : VARIANT_FALSE;
    if (m_record)
        m_record->silentPuts.push_back(value != VARIANT_FALSE);
    return S_OK;
}

void CFakeBrowserObject::ShowPage(const std::wstring& url, const std::wstring& title, IDispatch* document)
{
    m_url = url;
    m_title = title;
    m_document = document;
}
