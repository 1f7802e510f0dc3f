// fakebrowser.dll: the stand-in WebBrowser control as an in-process server,
// for runs of the launcher itself (demo, end-to-end) in a throw-away Wine
// prefix where this DLL is registered for the WebBrowser CLSID.  Pages come
// from the file named by FAKEBROWSER_PAGES (see CFakePageFile.h);
// navigations complete by themselves (after FAKEBROWSER_DELAY ms when set),
// and the control channel's messages (FakeBrowserChannel.h) drive the rest
// from outside.
#include "CFakeClassFactory.h"
#include "CFakePageFile.h"
#include "CFakeWebBrowser.h"
#include <cwchar>
#include <exdisp.h>
#include <string>

namespace {

HINSTANCE g_module = nullptr;

IClassFactory2* Factory()
{
    // Made on the first request: pages are read then, and later requests
    // share the factory.  The reference goes when the DLL is unloaded.
    static const ComPtr<CFakeClassFactory> factory = [] {
        wchar_t path[MAX_PATH] = {};
        DWORD length = GetEnvironmentVariableW(L"FAKEBROWSER_PAGES", path, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            CFakePageFile::Load(path);
        // Pages complete by themselves a moment after Navigate, unless
        // FAKEBROWSER_MANUAL is set: then only the control channel's
        // CompleteNavigation message completes them, so a driver can hold
        // the launcher in any phase as long as it likes.
        CFakeWebBrowser::Defaults().asynchronous = GetEnvironmentVariableW(L"FAKEBROWSER_MANUAL", nullptr, 0) == 0;
        // FAKEBROWSER_DELAY=<ms>: each page then takes that long to load,
        // so a person walking the launch sees every phase.
        wchar_t delay[16] = {};
        if (GetEnvironmentVariableW(L"FAKEBROWSER_DELAY", delay, 16) > 0)
            CFakeWebBrowser::Defaults().completionDelay = static_cast<UINT>(wcstoul(delay, nullptr, 10));
        return CFakeClassFactory::Create();
    }();
    return factory.Get();
}

const wchar_t kServerKey[] = L"Software\\Classes\\CLSID\\{8856F961-340A-11D0-A96B-00C04FD705A2}\\InprocServer32";

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (clsid != CLSID_WebBrowser)
        return CLASS_E_CLASSNOTAVAILABLE;
    return Factory()->QueryInterface(riid, ppv);
}

extern "C" HRESULT WINAPI DllCanUnloadNow()
{
    // The factory reads the page file once per process: stay loaded.
    return S_FALSE;
}

// Registers this DLL as the WebBrowser's in-process server for the machine
// (only ever run in a throw-away prefix: it replaces the system's entry).
extern "C" HRESULT WINAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(g_module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return E_FAIL;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kServerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    const wchar_t apartment[] = L"Apartment";
    LONG rc = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                             (length + 1) * sizeof(wchar_t));
    if (rc == ERROR_SUCCESS)
        rc = RegSetValueExW(key, L"ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(apartment),
                            sizeof(apartment));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT WINAPI DllUnregisterServer()
{
    // The system's own entry is gone with the registration; the prefix is
    // thrown away after the run.
    LONG rc = RegDeleteKeyW(HKEY_LOCAL_MACHINE, kServerKey);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
