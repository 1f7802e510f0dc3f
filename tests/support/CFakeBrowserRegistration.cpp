#include "CFakeBrowserRegistration.h"
#include <exdisp.h>

CFakeBrowserRegistration::CFakeBrowserRegistration() : m_factory(CFakeClassFactory::Create())
{
    m_hr = CoRegisterClassObject(CLSID_WebBrowser, static_cast<IClassFactory2*>(m_factory.Get()), CLSCTX_INPROC_SERVER,
                                 REGCLS_MULTIPLEUSE, &m_cookie);
}

CFakeBrowserRegistration::~CFakeBrowserRegistration()
{
    if (SUCCEEDED(m_hr))
        CoRevokeClassObject(m_cookie);
}
