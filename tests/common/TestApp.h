// The application object of a test executable.  Tests set and clear its
// m_pMainWnd themselves.
#pragma once
#include "CWinApp.h"
#include <ole2.h>

CWinApp& TestApp();

// Sets the application's main window for one test and clears it after.
class CMainWndScope {
public:
    explicit CMainWndScope(CWnd* pWnd) { TestApp().m_pMainWnd = pWnd; }
    ~CMainWndScope() { TestApp().m_pMainWnd = nullptr; }
    CMainWndScope(const CMainWndScope&) = delete;
    CMainWndScope& operator=(const CMainWndScope&) = delete;
};

// OLE initialised on the test's thread for the life of the object; put it
// before a CFakeBrowserRegistration, which needs COM.
class COleScope {
public:
    COleScope() { ::OleInitialize(nullptr); }
    ~COleScope() { ::OleUninitialize(); }
    COleScope(const COleScope&) = delete;
    COleScope& operator=(const COleScope&) = delete;
};
