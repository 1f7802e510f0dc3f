// CUIHandlerForwarder: the UI handler that documents receive from a
// CWebUIController.
//
// A document keeps the handler it was given for as long as it likes: a real
// one may release it, or even ask it for host information, from its own
// queue after the control has been closed and its window object deleted.
// The controller is a member of that window, so documents never get the
// controller itself but this small heap object, which forwards every call to
// the controller while the controller lives and answers on its own once the
// controller has disconnected it.
//
// Counting: the forwarder has its own reference count and frees itself at
// zero.  The controller holds one reference and gives it back when it is
// destroyed.  While connected, each AddRef and Release a document makes is
// also counted on the controller, so the controller's count still shows
// what the control and its documents hold on it.
//
// Identity: the forwarder answers IUnknown and IDocHostUIHandler with
// itself; it is the handler's identity toward the documents.
#pragma once
#include <windows.h>
#include <mshtmhst.h>

class CWebUIController;

class CUIHandlerForwarder final : public IDocHostUIHandler {
public:
    // Made with one reference, the owner's, which is not counted on it.
    static CUIHandlerForwarder* Create(CWebUIController* pOwner);
    CUIHandlerForwarder(const CUIHandlerForwarder&) = delete;
    CUIHandlerForwarder& operator=(const CUIHandlerForwarder&) = delete;

    // The owner is going: from now on nothing reaches it, and the owner's
    // reference is given back.
    void DisconnectAndRelease();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDocHostUIHandler: the owner's answers while it lives.  Afterwards
    // GetHostInfo succeeds and changes nothing, and the rest decline, so a
    // late document keeps its defaults.
    STDMETHODIMP ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved, IDispatch* pdispReserved) override;
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* pInfo) override;
    STDMETHODIMP ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget,
                        IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc) override;
    STDMETHODIMP HideUI() override;
    STDMETHODIMP UpdateUI() override;
    STDMETHODIMP EnableModeless(BOOL fEnable) override;
    STDMETHODIMP OnDocWindowActivate(BOOL fActivate) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL fActivate) override;
    STDMETHODIMP ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fRameWindow) override;
    STDMETHODIMP TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
    STDMETHODIMP GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw) override;
    STDMETHODIMP GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
    STDMETHODIMP GetExternal(IDispatch** ppDispatch) override;
    STDMETHODIMP TranslateUrl(DWORD dwTranslate, LPWSTR pchURLIn, LPWSTR* ppchURLOut) override;
    STDMETHODIMP FilterDataObject(IDataObject* pDO, IDataObject** ppDORet) override;

    // Forwarders alive in this process, for checking that none is leaked.
    static LONG GetLiveCount() { return s_cLive; }

private:
    explicit CUIHandlerForwarder(CWebUIController* pOwner) : m_pOwner(pOwner) { ++s_cLive; }
    ~CUIHandlerForwarder() { --s_cLive; }

    static LONG s_cLive;
    LONG m_cRef = 1;
    CWebUIController* m_pOwner;  // null once disconnected
};
