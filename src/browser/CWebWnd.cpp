#include "CWebWnd.h"
#include "AttachUIController.h"
#include "CWinApp.h"
#include "ComPtr.h"
#include "DDX.h"
#include "LauncherMessages.h"
#include "WebBrowserDispids.h"
#include "resource.h"

namespace {

void SendPhase(WPARAM wParam)
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_LAUNCHER_PHASE, wParam, 0);
}

}  // namespace

BEGIN_MESSAGE_MAP(CWebWnd, CDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CWebWnd, CDialog)
ON_EVENT(CWebWnd, IDC_LOGIN_BROWSER, DISPID_DOCUMENTCOMPLETE, OnDocumentComplete, VTS_DISPATCH VTS_PVARIANT)
ON_EVENT(CWebWnd, IDC_LOGIN_BROWSER, DISPID_NEWWINDOW2, OnNewWindow2, VTS_PDISPATCH VTS_PBOOL)
ON_EVENT(CWebWnd, IDC_LOGIN_BROWSER, DISPID_TITLECHANGE, OnTitleChange, VTS_BSTR)
END_EVENTSINK_MAP()

CWebWnd::CWebWnd(CWnd* pParent) : CDialog(IDD_LOGIN_PANE, pParent)
{
}

CWebWnd::~CWebWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

void CWebWnd::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOGIN_BROWSER, m_wndBrowser);
}

BOOL CWebWnd::OnInitDialog()
{
    CDialog::OnInitDialog();

    // The window rectangle converted once more, as the pane has always
    // placed its browser: for a pane at the screen origin the page starts
    // 10 pixels up and left of the pane, hiding the page's own margin.
    CRect r;
    GetWindowRect(&r);
    ClientToScreen(&r);
    m_wndBrowser.MoveWindow(r.left - 10, r.top - 10, 800, 400, TRUE);

    AttachUIController(m_wndBrowser, m_uiController);

    m_wndBrowser.put_Silent(TRUE);
    m_wndBrowser.put_StatusBar(FALSE);
    CString url;
    url.LoadString(IDS_LOGIN_URL);
    m_wndBrowser.Navigate(url, nullptr, nullptr, nullptr, nullptr);
    return TRUE;
}

BOOL CWebWnd::PreTranslateMessage(MSG* pMsg)
{
    // No context menu anywhere in the page.
    if (pMsg->message == WM_RBUTTONDOWN)
        return TRUE;
    if (pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == VK_F5) {
            m_wndBrowser.Refresh();
            return TRUE;
        }
        if (pMsg->wParam == VK_RETURN) {
            // Told before the page gets the key, which then goes on to it
            // without dialog keyboard handling.
            SendPhase(LAUNCHER_PHASE_PAGE_READY);
            return FALSE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CWebWnd::OnDocumentComplete(LPDISPATCH, VARIANT*)
{
    // Each frame's document and the page's: one message each.
    if (m_wndBrowser.m_hWnd)
        SendPhase(LAUNCHER_PHASE_PAGE_READY);
}

void CWebWnd::OnTitleChange(LPCWSTR)
{
    // The pane has no caption to show a title in.
}

void CWebWnd::OnNewWindow2(LPDISPATCH*, BOOL* Cancel)
{
    {
        CComPtr<IDispatch> document;
        document.Attach(m_wndBrowser.get_Document());
        if (!document)
            return;
        CComPtr<IHTMLDocument3> document3;
        if (FAILED(document.QueryInterface(IID_IHTMLDocument3, &document3.p)) || !document3)
            return;
        CComPtr<IHTMLElementCollection> inputs;
        BSTR tag = ::SysAllocString(L"input");
        HRESULT hr = document3->getElementsByTagName(tag, &inputs);
        ::SysFreeString(tag);
        if (FAILED(hr) || !inputs)
            return;
        m_strLoginUrl = FindInputValue(inputs, L"loginurl");
    }
    // Every interface above is released by now, before the main window runs.
    if (m_strLoginUrl.IsEmpty())
        return;  // the browser opens its new window as usual
    SendPhase(LAUNCHER_PHASE_GAME_ADDRESS);
    if (Cancel)
        *Cancel = TRUE;
}

CString CWebWnd::FindInputValue(IHTMLElementCollection* pCollection, LPCWSTR name)
{
    CString result;
    if (!pCollection)
        return result;

    VARIANT vName;
    vName.vt = VT_BSTR;
    vName.bstrVal = ::SysAllocString(name);
    VARIANT vIndex;
    vIndex.vt = VT_I4;
    vIndex.lVal = 0;
    CComPtr<IDispatch> item;
    // Only whether an element came back matters, not the call's result.
    pCollection->item(vName, vIndex, &item);
    ::VariantClear(&vName);
    if (!item)
        return result;

    CComPtr<IHTMLElement> element;
    if (FAILED(item.QueryInterface(IID_IHTMLElement, &element.p)) || !element)
        return result;
    VARIANT value;
    ::VariantInit(&value);
    BSTR attribute = ::SysAllocString(L"value");
    if (SUCCEEDED(element->getAttribute(attribute, 0, &value)) && value.vt == VT_BSTR)
        result = CString(value.bstrVal);  // stops at the first NUL; null is empty
    ::VariantClear(&value);
    ::SysFreeString(attribute);
    return result;
}

BOOL CWebWnd::DestroyWindow()
{
    m_uiController.SetWebBrowser(nullptr);
    return CDialog::DestroyWindow();
}

void CWebWnd::OnDestroy()
{
    m_uiController.SetWebBrowser(nullptr);
    Default();
}
