// COleControlSite: one hosted ActiveX control and the site it talks to.
//
// The site is one COM object with one reference count, m_cRef.  Its
// interfaces are small part objects (client site, in-place site, control
// site, frame, ambient properties) that forward QueryInterface, AddRef and
// Release here; the event sink is a separate identity whose AddRef and
// Release also come here.  The container holds one reference, the control
// holds the ones it took; Release at zero deletes the site, in this one
// place.
//
// The site holds the control: its IUnknown, IOleObject, IOleInPlaceObject,
// IDispatch, the active object the control named through the frame, and the
// connection point its sink is advised on.  Teardown lets go of all of
// them in the order a control expects (unadvise, deactivate, close, take
// the client site away, release) and cuts the site off from its container,
// so a control that still holds the site after teardown reaches nothing
// that has gone.
#pragma once
#include "CSiteAmbients.h"
#include "CSiteClientSite.h"
#include "CSiteControlSite.h"
#include "CSiteEventSink.h"
#include "CSiteInPlaceFrame.h"
#include "CSiteInPlaceSite.h"
#include "ComPtr.h"
#include "DlgInitData.h"
#include <ocidl.h>

class COleControlContainer;

class COleControlSite {
public:
    // rcPos: the control's place in pixels, in the container window's
    // client coordinates.  The site starts with the caller's reference.
    COleControlSite(COleControlContainer* pContainer, HWND hWndContainer, UINT nID, DWORD dwStyle, const RECT& rcPos);
    COleControlSite(const COleControlSite&) = delete;
    COleControlSite& operator=(const COleControlSite&) = delete;

    // Creates, loads (pSaved; null: InitNew), sites and in-place activates
    // the control.  FALSE when no control object could be made.
    BOOL CreateControl(REFCLSID clsid, const COccSavedState* pSaved);
    void Teardown();

    HRESULT QueryInterface(REFIID riid, void** ppv);
    ULONG AddRef() { return static_cast<ULONG>(++m_cRef); }
    ULONG Release();
    // Sites alive in this process, for checking that teardown freed them.
    static LONG GetLiveCount() { return s_cLive; }

    UINT GetID() const { return m_nID; }
    DWORD GetStyle() const { return m_dwStyle; }
    HWND GetControlWindow() const { return m_hWndCtrl; }
    const RECT& GetPosRect() const { return m_rcPos; }
    IUnknown* GetControlUnknown() const { return m_pUnknown; }     // no reference added
    IDispatch* GetControlDispatch() const { return m_pDispatch; }  // no reference added

    // Moving, sizing and showing the control, as its wrapper CWnd asks.  A
    // hosted control places its own window: the site keeps the rectangle
    // (pixels, the container's client coordinates), gives the control its
    // extent and its object rectangles, and shows and hides it with the
    // show and hide verbs, so that GetWindowContext always answers what the
    // control was last told.
    void MoveWindow(int x, int y, int cx, int cy);
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    // Returns whether the control's window was visible before.
    BOOL ShowWindow(int nCmdShow);
    // The container's client area changed: the control gets its new clip.
    void OnContainerSized();

    // A keyboard message for the control's window or one inside it; TRUE
    // when the control's active object consumed it.
    BOOL TranslateAccelerator(MSG* pMsg);

    // Called by the interface parts.
    HRESULT GetContainerWindow(HWND* phwnd) const;
    HRESULT GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                             LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo);
    HRESULT OnPosRectChange(LPCRECT lprcPosRect);
    void OnInPlaceDeactivate()
    {
        m_pActiveObject.Release();
        m_bUIActive = FALSE;
    }
    void OnUIActivate(BOOL bActive) { m_bUIActive = bActive; }
    void SetActiveObject(IOleInPlaceActiveObject* pActiveObject)
    {
        if (pActiveObject)
            pActiveObject->AddRef();
        m_pActiveObject.Attach(pActiveObject);
    }
    void FireEvent(DISPID dispid, DISPPARAMS* pParams);

private:
    ~COleControlSite();

    HRESULT CreateInstance(REFCLSID clsid, const COccSavedState* pSaved);
    void LoadState(const COccSavedState* pSaved);
    void SetExtent();
    void SetObjectRects();
    RECT GetClipRect() const;
    void AdviseEvents(REFCLSID clsid);
    void Activate();
    void FitWindow();
    void DetachWrapper();

    static LONG s_cLive;
    LONG m_cRef = 1;

    COleControlContainer* m_pContainer;  // null once torn down
    HWND m_hWndContainer;                // null once torn down
    UINT m_nID;
    DWORD m_dwStyle;
    RECT m_rcPos;
    HWND m_hWndCtrl = nullptr;
    BOOL m_bClientSiteSet = FALSE;
    BOOL m_bUIActive = FALSE;  // between the control's OnUIActivate and OnUIDeactivate

    CSiteClientSite m_xClientSite{*this};
    CSiteInPlaceSite m_xInPlaceSite{*this};
    CSiteControlSite m_xControlSite{*this};
    CSiteInPlaceFrame m_xFrame{*this};
    CSiteAmbients m_xAmbients{*this};
    CSiteEventSink m_xEventSink{*this};

    CComPtr<IUnknown> m_pUnknown;
    CComPtr<IOleObject> m_pObject;
    CComPtr<IOleInPlaceObject> m_pInPlaceObject;
    CComPtr<IOleInPlaceActiveObject> m_pActiveObject;
    CComPtr<IDispatch> m_pDispatch;
    CComPtr<IConnectionPoint> m_pEventPoint;
    DWORD m_dwEventCookie = 0;
};
