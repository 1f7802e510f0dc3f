#include "TestApp.h"

CWinApp& TestApp()
{
    static CWinApp app;
    return app;
}
