#include "AttachUIController.h"
#include "ComPtr.h"

void AttachUIController(CWnd& wndBrowser, CWebUIController& controller)
{
    IUnknown* pUnk = wndBrowser.GetControlUnknown();  // no reference added
    if (!pUnk)
        return;
    CComPtr<IWebBrowser2> pBrowser;
    if (FAILED(pUnk->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&pBrowser.p))) || !pBrowser)
        return;
    controller.m_b3DBorder = FALSE;
    controller.m_bScrollBars = FALSE;
    controller.SetWebBrowser(pBrowser);
}
