// The CWnd members that reach a hosted ActiveX control through its site:
// ShowWindow, MoveWindow and SetWindowPos (on a control's wrapper),
// GetControlUnknown and InvokeHelper.
//
// InvokeHelper(dispid, wFlags, vtRet, pvRet, pbParamInfo, ...) calls
// IDispatch::Invoke on the control.  pbParamInfo is a VTS_ string (see
// DispatchTypes.h) that names the type of each argument that follows; the
// arguments are packed into DISPPARAMS in reverse order, as Invoke wants
// them.  A property put (DISPATCH_PROPERTYPUT) passes its value as the
// named argument DISPID_PROPERTYPUT.  A null VARIANT* stands for an absent
// optional argument and reaches the control as a reference to VT_EMPTY.
// Each BSTR and VARIANT made for the call is freed after it.
//
// The result, converted to vtRet, goes to pvRet:
//   VT_BSTR CString*, VT_BOOL BOOL*, VT_I2 short*, VT_I4 long*,
//   VT_DISPATCH IDispatch** and VT_UNKNOWN IUnknown** (the caller owns the
//   reference), VT_VARIANT VARIANT* (the caller owns it and clears it).
// Failures are silent: pvRet then holds empty, FALSE, 0 or null.  Without
// a hosted control nothing is called.
#include "CWnd.h"
#include "COleControlContainer.h"
#include "COleControlSite.h"
#include "CWndOle.h"
#include "OccManager.h"
#include "CString.h"
#include "DispatchTypes.h"
#include <cstdarg>
#include <cstring>
#include <vector>

namespace {

void ClearResult(VARTYPE vtRet, void* pvRet)
{
    if (!pvRet)
        return;
    switch (vtRet) {
    case VT_BSTR: static_cast<CString*>(pvRet)->Empty(); break;
    case VT_BOOL: *static_cast<BOOL*>(pvRet) = FALSE; break;
    case VT_I2: *static_cast<short*>(pvRet) = 0; break;
    case VT_I4: *static_cast<long*>(pvRet) = 0; break;
    case VT_DISPATCH: *static_cast<IDispatch**>(pvRet) = nullptr; break;
    case VT_UNKNOWN: *static_cast<IUnknown**>(pvRet) = nullptr; break;
    case VT_VARIANT: ::VariantInit(static_cast<VARIANT*>(pvRet)); break;
    default: break;
    }
}

// Moves the result into *pvRet; the result is empty afterwards.
void StoreResult(VARIANT& result, VARTYPE vtRet, void* pvRet)
{
    if (vtRet == VT_VARIANT) {
        *static_cast<VARIANT*>(pvRet) = result;
        result.vt = VT_EMPTY;
        return;
    }
    if (result.vt != vtRet && FAILED(::VariantChangeType(&result, &result, 0, vtRet)))
        return;
    switch (vtRet) {
    case VT_BSTR:
        *static_cast<CString*>(pvRet) = CString(result.bstrVal, static_cast<int>(::SysStringLen(result.bstrVal)));
        break;
    case VT_BOOL: *static_cast<BOOL*>(pvRet) = result.boolVal != VARIANT_FALSE; break;
    case VT_I2: *static_cast<short*>(pvRet) = result.iVal; break;
    case VT_I4: *static_cast<long*>(pvRet) = result.lVal; break;
    case VT_DISPATCH:
        *static_cast<IDispatch**>(pvRet) = result.pdispVal;
        result.vt = VT_EMPTY;
        break;
    case VT_UNKNOWN:
        *static_cast<IUnknown**>(pvRet) = result.punkVal;
        result.vt = VT_EMPTY;
        break;
    default: break;
    }
}

// The arguments of one call and the temporaries they point into.  Sized up
// front, so pointers into the vectors stay valid.
struct CInvokeArgs {
    explicit CInvokeArgs(size_t n) : args(n), bools(n, VARIANT_FALSE), boolTargets(n, nullptr), empties(n)
    {
        for (VARIANT& v : args)
            ::VariantInit(&v);
        for (VARIANT& v : empties)
            ::VariantInit(&v);
    }
    ~CInvokeArgs()
    {
        for (VARIANT& v : args)
            ::VariantClear(&v);
        for (VARIANT& v : empties)
            ::VariantClear(&v);
    }
    CInvokeArgs(const CInvokeArgs&) = delete;
    CInvokeArgs& operator=(const CInvokeArgs&) = delete;

    // Packs argument i (of n, in VTS order) from the variable arguments.
    bool Pack(size_t i, BYTE vts, va_list& ap)
    {
        VARIANT& a = args[args.size() - 1 - i];
        switch (vts) {
        case VT_I2:
            a.vt = VT_I2;
            a.iVal = static_cast<SHORT>(va_arg(ap, int));
            return true;
        case VT_I4:
            a.vt = VT_I4;
            a.lVal = va_arg(ap, long);
            return true;
        case VT_BOOL:
            a.vt = VT_BOOL;
            a.boolVal = va_arg(ap, BOOL) ? VARIANT_TRUE : VARIANT_FALSE;
            return true;
        case VT_BSTR:
            a.vt = VT_BSTR;
            a.bstrVal = ::SysAllocString(va_arg(ap, LPCWSTR));
            return true;
        case VT_DISPATCH:
            a.vt = VT_DISPATCH;
            a.pdispVal = va_arg(ap, IDispatch*);
            if (a.pdispVal)
                a.pdispVal->AddRef();  // VariantClear releases it again
            return true;
        case VT_UNKNOWN:
            a.vt = VT_UNKNOWN;
            a.punkVal = va_arg(ap, IUnknown*);
            if (a.punkVal)
                a.punkVal->AddRef();
            return true;
        case VT_VARIANT: {
            const VARIANT* p = va_arg(ap, const VARIANT*);
            // VariantCopy only reads its source; the header lacks the const.
            return !p || SUCCEEDED(::VariantCopy(&a, const_cast<VARIANT*>(p)));
        }
        case VT_I4 | VT_AFXBYREF:
            a.vt = VT_I4 | VT_BYREF;
            a.plVal = va_arg(ap, long*);
            return a.plVal != nullptr;
        case VT_BSTR | VT_AFXBYREF:
            a.vt = VT_BSTR | VT_BYREF;
            a.pbstrVal = va_arg(ap, BSTR*);
            return a.pbstrVal != nullptr;
        case VT_DISPATCH | VT_AFXBYREF:
            a.vt = VT_DISPATCH | VT_BYREF;
            a.ppdispVal = va_arg(ap, IDispatch**);
            return a.ppdispVal != nullptr;
        case VT_BOOL | VT_AFXBYREF:
            boolTargets[i] = va_arg(ap, BOOL*);
            bools[i] = boolTargets[i] && *boolTargets[i] ? VARIANT_TRUE : VARIANT_FALSE;
            a.vt = VT_BOOL | VT_BYREF;
            a.pboolVal = &bools[i];
            return true;
        case VT_VARIANT | VT_AFXBYREF: {
            VARIANT* p = va_arg(ap, VARIANT*);
            a.vt = VT_VARIANT | VT_BYREF;
            a.pvarVal = p ? p : &empties[i];
            return true;
        }
        default: return false;
        }
    }

    void WriteBack()
    {
        for (size_t i = 0; i < boolTargets.size(); ++i) {
            if (boolTargets[i])
                *boolTargets[i] = bools[i] != VARIANT_FALSE;
        }
    }

    std::vector<VARIANT> args;  // rgvarg: the last argument first
    std::vector<VARIANT_BOOL> bools;
    std::vector<BOOL*> boolTargets;
    std::vector<VARIANT> empties;
};

void Invoke(IDispatch* pDisp, DISPID dispid, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
            va_list& ap)
{
    ClearResult(vtRet, pvRet);
    if (!pDisp)
        return;
    size_t n = pbParamInfo ? std::strlen(reinterpret_cast<const char*>(pbParamInfo)) : 0;
    CInvokeArgs args(n);
    for (size_t i = 0; i < n; ++i) {
        if (!args.Pack(i, pbParamInfo[i], ap))
            return;
    }
    DISPID dispidPut = DISPID_PROPERTYPUT;
    DISPPARAMS params = {n ? args.args.data() : nullptr, nullptr, static_cast<UINT>(n), 0};
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &dispidPut;
        params.cNamedArgs = 1;
    }
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO excep = {};
    UINT argErr = 0;
    bool bWantResult = vtRet != VT_EMPTY && pvRet;
    HRESULT hr = pDisp->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, bWantResult ? &result : nullptr,
                               &excep, &argErr);
    ::SysFreeString(excep.bstrSource);
    ::SysFreeString(excep.bstrDescription);
    ::SysFreeString(excep.bstrHelpFile);
    if (SUCCEEDED(hr)) {
        args.WriteBack();
        if (bWantResult)
            StoreResult(result, vtRet, pvRet);
    }
    ::VariantClear(&result);
}

}  // namespace

BOOL CWnd::ShowWindow(int nCmdShow) const
{
    if (m_pCtrlSite)
        return m_pCtrlSite->ShowWindow(nCmdShow);
    return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::MoveWindow(int x, int y, int cx, int cy, BOOL bRepaint) const
{
    if (m_pCtrlSite)
        m_pCtrlSite->MoveWindow(x, y, cx, cy);
    else
        ::MoveWindow(m_hWnd, x, y, cx, cy, bRepaint);
}

BOOL CWnd::SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) const
{
    if (m_pCtrlSite)
        return m_pCtrlSite->SetWindowPos(hWndInsertAfter, x, y, cx, cy, nFlags);
    return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
}

IUnknown* CWnd::GetControlUnknown() const
{
    return m_pCtrlSite ? m_pCtrlSite->GetControlUnknown() : nullptr;
}

void CWnd::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo, ...)
{
    va_list ap;
    va_start(ap, pbParamInfo);
    Invoke(m_pCtrlSite ? m_pCtrlSite->GetControlDispatch() : nullptr, dwDispID, wFlags, vtRet, pvRet, pbParamInfo, ap);
    va_end(ap);
}

BOOL AfxAttachControlWrapper(CWnd& rWrapper, COleControlSite* pSite)
{
    if (rWrapper.m_hWnd || rWrapper.m_pCtrlSite)
        return FALSE;
    HWND hWnd = pSite->GetControlWindow();
    if (hWnd && !rWrapper.SubclassWindow(hWnd))
        return FALSE;
    rWrapper.m_pCtrlSite = pSite;
    return TRUE;
}

BOOL AfxCreateControl(CWnd* pWrapper, REFCLSID clsid, LPCWSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID)
{
    // Without the manager nobody would tear the control down with its parent.
    if (!afxOccManager || !pWrapper || pWrapper->m_hWnd || pWrapper->m_pCtrlSite || !pParentWnd || !pParentWnd->m_hWnd)
        return FALSE;
    if (!pParentWnd->m_pCtrlCont)
        pParentWnd->m_pCtrlCont = new COleControlContainer(pParentWnd);
    COleControlSite* pSite = pParentWnd->m_pCtrlCont->CreateControl(clsid, nID, dwStyle, rect, nullptr);
    if (!pSite || !AfxAttachControlWrapper(*pWrapper, pSite))
        return FALSE;
    if (!(dwStyle & WS_VISIBLE))
        pSite->ShowWindow(SW_HIDE);
    return TRUE;
}
