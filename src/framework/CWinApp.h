// CWinApp: the one application object.  The entry point hands control to
// its InitInstance; when that returns FALSE the process ends without an
// application message loop.
#pragma once
#include "CWnd.h"

class COccManager;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // The message loop for applications whose InitInstance returns TRUE.
    virtual int Run();

    // Keeps the name for the application's profile; nothing is ever read
    // from or written to the registry.
    void SetRegistryKey(LPCWSTR lpszRegistryKey) { m_strRegistryKey = lpszRegistryKey; }
    const CString& GetRegistryKey() const { return m_strRegistryKey; }

    // The framework's Help command; the product ships no help file.
    void OnHelp() {}

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;

private:
    CString m_strRegistryKey;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();

// Turns on hosting of ActiveX controls named in dialog templates.
void AfxEnableControlContainer(COccManager* pManager = nullptr);

// The body of the entry point; wWinMain calls it.
int AfxWinMain(HINSTANCE hInstance, LPWSTR lpCmdLine, int nCmdShow);

// The message id of the framework's Help command.
#define ID_HELP 0xE146
