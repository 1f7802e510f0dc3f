// FakeBrowserRecord: what one stand-in control was asked to do and what it
// asked of its container.  The record outlives the control (tests read it
// after the container has torn the control down), see
// CFakeWebBrowser::Record().
#pragma once
#include "CFakeVariant.h"
#include <windows.h>
#include <string>
#include <vector>

struct FakeAmbient {
    std::wstring name;   // "USERMODE", "DLCONTROL", ...
    HRESULT hr;          // what the site's Invoke returned
    CFakeVariant value;  // what it wrote
};

struct FakeAccelerator {
    UINT message;
    WPARAM wParam;
};

struct FakeBrowserRecord {
    int index = 0;            // creation order, from 0
    bool licensed = false;    // made by IClassFactory2::CreateInstanceLic
    std::wstring licenseKey;  // the key it was given
    bool destroyed = false;   // the control object has been freed

    // Toward the container, in call order.
    // siteCalls: what the control asked of its site, e.g.
    //   "QueryInterface(IOleInPlaceSite)", "Ambient(USERMODE)", "GetContainer",
    //   "GetWindow", "CanInPlaceActivate", "OnInPlaceActivate",
    //   "GetWindowContext", "Frame.GetWindow", "Frame.SetActiveObject",
    //   "UIWindow.SetActiveObject", "OnUIActivate", "ShowObject",
    //   "OnUIDeactivate", "Frame.SetActiveObject(null)", "OnInPlaceDeactivate".
    std::vector<std::wstring> siteCalls;
    // containerCalls: the OLE plumbing the container called on the control,
    // e.g. "SetClientSite", "SetClientSite(null)", "DoVerb(-5)",
    // "SetObjectRects", "InPlaceDeactivate", "UIDeactivate", "Close",
    // "Load", "InitNew", "Advise", "Unadvise", "SetExtent".
    std::vector<std::wstring> containerCalls;
    std::vector<FakeAmbient> ambients;  // ambients read, in order

    std::vector<BYTE> loadedBytes;  // every byte Load read from its stream
    int loadCalls = 0;
    int initNewCalls = 0;
    std::vector<FakeAccelerator> accelerators;
    int pageClicks = 0;     // clicks into the page while in place
    RECT lastPosRect = {};  // from activation, SetObjectRects or a click
    RECT lastClipRect = {};

    // Through IWebBrowser2 or its dispatch members.
    std::vector<std::wstring> navigations;  // URLs, in order
    int cancelledNavigations = 0;           // a sink cancelled BeforeNavigate2
    int refreshCalls = 0;
    std::vector<bool> silentPuts;
    std::vector<bool> statusBarPuts;
};
