#include "CHostDialog.h"
#include "DDX.h"

BEGIN_EVENTSINK_MAP(CHostDialog, CDialog)
ON_EVENT(CHostDialog, IDC_HOST_BROWSER, 259, OnDocumentComplete, VTS_DISPATCH VTS_PVARIANT)
ON_EVENT(CHostDialog, IDC_HOST_BROWSER, 251, OnNewWindow2, VTS_PDISPATCH VTS_PBOOL)
ON_EVENT(CHostDialog, IDC_HOST_BROWSER, 113, OnTitleChange, VTS_BSTR)
END_EVENTSINK_MAP()

IUnknown* IdentityOf(IUnknown* p)
{
    if (!p)
        return nullptr;
    IUnknown* pUnk = nullptr;
    if (FAILED(p->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pUnk))) || !pUnk)
        return nullptr;
    pUnk->Release();
    return pUnk;
}

void CHostDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_HOST_BROWSER, m_wndBrowser);
}

BOOL CHostDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bSiteAtInit = m_wndBrowser.GetControlUnknown() != nullptr;
    return TRUE;
}

void CHostDialog::OnDocumentComplete(LPDISPATCH pDisp, VARIANT* URL)
{
    m_pLastObject = IdentityOf(pDisp);
    std::wstring url = URL && URL->vt == VT_BSTR && URL->bstrVal ? URL->bstrVal : L"<not a BSTR>";
    m_events.push_back(L"DocumentComplete " + url);
}

void CHostDialog::OnNewWindow2(LPDISPATCH* ppDisp, BOOL* Cancel)
{
    m_events.push_back(ppDisp && !*ppDisp ? L"NewWindow2" : L"NewWindow2 <bad object reference>");
    m_bCancelSeen = *Cancel;
    *Cancel = m_bCancelAnswer;
}

void CHostDialog::OnTitleChange(LPCWSTR text)
{
    m_events.push_back(std::wstring(L"TitleChange ") + text);
}
