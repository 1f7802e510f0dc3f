// The launcher's application object.  For now it runs the main window's
// template as a plain modal dialog; the skinned window replaces it.
#include "CDialog.h"
#include "CWinApp.h"
#include "resource.h"

class CPlaceholderApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        CDialog dlg(IDD_MAIN);
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
        return FALSE;
    }
};

static CPlaceholderApp theApp;
