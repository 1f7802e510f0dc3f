// The dispatch ids of the WebBrowser control's members that the launcher
// invokes, as the control's type library numbers them.  The system headers
// name only Refresh's (DISPID_REFRESH in <olectl.h>) and the events'
// (<exdispid.h>); the others are named here in the same style.
#pragma once
#include <windows.h>
#include <exdispid.h>
#include <olectl.h>

constexpr DISPID DISPID_WEBBROWSER_NAVIGATE = 104;
constexpr DISPID DISPID_WEBBROWSER_DOCUMENT = 203;
constexpr DISPID DISPID_WEBBROWSER_LOCATIONURL = 211;
constexpr DISPID DISPID_WEBBROWSER_STATUSBAR = 403;
constexpr DISPID DISPID_WEBBROWSER_SILENT = 551;
