#include "CExplorer_l.h"
#include "CWndOle.h"
#include "DispatchTypes.h"
#include "WebBrowserDispids.h"

namespace {

const BYTE* Params(const char* vts)
{
    return reinterpret_cast<const BYTE*>(vts);
}

}  // namespace

// {8856F961-340A-11D0-A96B-00C04FD705A2}
const CLSID CExplorer_l::s_clsid = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

BOOL CExplorer_l::Create(LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxCreateControl(this, s_clsid, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

void CExplorer_l::Navigate(LPCWSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData, VARIANT* Headers)
{
    InvokeHelper(DISPID_WEBBROWSER_NAVIGATE, DISPATCH_METHOD, VT_EMPTY, nullptr,
                 Params(VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT), URL, Flags, TargetFrameName,
                 PostData, Headers);
}

void CExplorer_l::Refresh()
{
    InvokeHelper(DISPID_REFRESH, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}

CString CExplorer_l::get_LocationURL()
{
    CString result;
    InvokeHelper(DISPID_WEBBROWSER_LOCATIONURL, DISPATCH_PROPERTYGET, VT_BSTR, &result, nullptr);
    return result;
}

LPDISPATCH CExplorer_l::get_Document()
{
    LPDISPATCH result = nullptr;
    InvokeHelper(DISPID_WEBBROWSER_DOCUMENT, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, nullptr);
    return result;
}

void CExplorer_l::put_Silent(BOOL bNewValue)
{
    InvokeHelper(DISPID_WEBBROWSER_SILENT, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, Params(VTS_BOOL), bNewValue);
}

void CExplorer_l::put_StatusBar(BOOL bNewValue)
{
    InvokeHelper(DISPID_WEBBROWSER_STATUSBAR, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, Params(VTS_BOOL), bNewValue);
}
