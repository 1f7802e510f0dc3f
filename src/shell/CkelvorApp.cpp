#include "CkelvorApp.h"
#include "CkelvorDlg.h"
#include <commctrl.h>
#include <gdiplus.h>

BEGIN_MESSAGE_MAP(CkelvorApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CkelvorApp::CkelvorApp() : m_gdiplusToken(0)
{
}

BOOL CkelvorApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"应用程序向导生成的本地应用程序");

    Gdiplus::GdiplusStartupInput input;  // version 1, background thread allowed
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr);

    {
        CkelvorDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        // Every image is gone by now: the main window deleted them when its
        // run ended.
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
    }
    m_pMainWnd = nullptr;
    return FALSE;
}
