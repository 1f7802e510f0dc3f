// CkelvorApp: the launcher's application object.  It starts the common
// controls, control hosting and GDI+, runs the main window modally, shuts
// GDI+ down and returns FALSE, which ends the process.
#pragma once
#include "CWinApp.h"

class CkelvorApp : public CWinApp {
public:
    CkelvorApp();

    BOOL InitInstance() override;

    ULONG_PTR m_gdiplusToken;

    DECLARE_MESSAGE_MAP()
};
