#include "CWinApp.h"
#include "OccManager.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_strAppName(lpszAppName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!m_pMainWnd || !CWnd::WalkPreTranslateTree(m_pMainWnd->m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    // Every resource lives in the executable itself.
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr);
}

void AfxEnableControlContainer(COccManager* pManager)
{
    afxOccManager = pManager ? pManager : AfxGetDefaultOccManager();
}

int AfxWinMain(HINSTANCE hInstance, LPWSTR, int)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}
