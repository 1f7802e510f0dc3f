// CFakeBrowserRegistration: while it lives, CoCreateInstance of the
// WebBrowser CLSID in this process (and so the framework's control
// container) gets a stand-in control instead of the system's.  COM must be
// initialised on the thread for the whole lifetime.
#pragma once
#include "CFakeClassFactory.h"

class CFakeBrowserRegistration {
public:
    CFakeBrowserRegistration();
    ~CFakeBrowserRegistration();
    CFakeBrowserRegistration(const CFakeBrowserRegistration&) = delete;
    CFakeBrowserRegistration& operator=(const CFakeBrowserRegistration&) = delete;

    // The result of CoRegisterClassObject: S_OK when the stand-in is in place.
    HRESULT Result() const { return m_hr; }

private:
    ComPtr<CFakeClassFactory> m_factory;
    DWORD m_cookie = 0;
    HRESULT m_hr;
};
