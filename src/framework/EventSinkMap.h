// Event sink maps: a static table per window class of the hosted
// controls' events it handles, keyed by control id and DISPID, each routed
// to a typed handler.
//
//   BEGIN_EVENTSINK_MAP(CMyDlg, CDialog)
//       ON_EVENT(CMyDlg, 1002, DISPID_DOCUMENTCOMPLETE, OnDocumentComplete, VTS_DISPATCH VTS_PVARIANT)
//       ON_EVENT(CMyDlg, 1002, DISPID_NEWWINDOW2, OnNewWindow2, VTS_PDISPATCH VTS_PBOOL)
//       ON_EVENT(CMyDlg, 1002, DISPID_TITLECHANGE, OnTitleChange, VTS_BSTR)
//   END_EVENTSINK_MAP()
//
//   void OnDocumentComplete(LPDISPATCH pDisp, VARIANT* URL);
//   void OnNewWindow2(LPDISPATCH* ppDisp, BOOL* Cancel);
//   void OnTitleChange(LPCWSTR text);
//
// The handler is named without its class.  Its parameter types must match
// the VTS_ string, which the compiler checks.  The arguments are unpacked
// from DISPPARAMS, where they arrive in reverse order; a BOOL* handler
// argument is written back into the event's VARIANT_BOOL* when the handler
// returns.  An event whose arguments do not fit the handler does not call
// it.  Lookup walks the class's table, then its base classes'.
//
// Handler parameter type for each VTS_ code:
//   VTS_I2 short, VTS_I4 long, VTS_BOOL BOOL, VTS_BSTR LPCWSTR (never null),
//   VTS_DISPATCH LPDISPATCH, VTS_UNKNOWN LPUNKNOWN, VTS_VARIANT const VARIANT*,
//   VTS_PI4 long*, VTS_PBOOL BOOL*, VTS_PBSTR BSTR*, VTS_PDISPATCH LPDISPATCH*,
//   VTS_PVARIANT VARIANT*.
#pragma once
#include "DispatchTypes.h"
#include "EventSinkArgs.h"
#include <tuple>
#include <type_traits>
#include <utility>

class CWnd;

struct AFX_EVENTSINKMAP_ENTRY {
    UINT idCtrl;
    DISPID dispid;
    HRESULT (*pfn)(CWnd* pWnd, DISPPARAMS* pParams);  // null ends the table
};

struct AFX_EVENTSINKMAP {
    const AFX_EVENTSINKMAP* (*pfnGetBaseMap)();
    const AFX_EVENTSINKMAP_ENTRY* lpEntries;
};

// The entry for (idCtrl, dispid) in a map chain, or null.
const AFX_EVENTSINKMAP_ENTRY* AfxFindEventSinkEntry(const AFX_EVENTSINKMAP* pMap, UINT idCtrl, DISPID dispid);

// The map of T's nearest class that has one, or null.
template <class T, class = void>
struct AfxEventSinkMapOf {
    static const AFX_EVENTSINKMAP* Get() { return nullptr; }
};
template <class T>
struct AfxEventSinkMapOf<T, std::void_t<decltype(&T::GetThisEventSinkMap)>> {
    static const AFX_EVENTSINKMAP* Get() { return T::GetThisEventSinkMap(); }
};

// Whether a handler's parameter types spell the VTS_ string vts.
template <class C, class... A>
constexpr bool AfxEventHandlerMatches(void (C::*)(A...), const char* vts)
{
    const unsigned char expected[] = {AfxEventArg<A>::kVts..., 0};
    size_t i = 0;
    for (; expected[i] != 0; ++i) {
        if (static_cast<unsigned char>(vts[i]) != expected[i])
            return false;
    }
    return vts[i] == 0;
}

template <class C, class... A, size_t... I>
HRESULT AfxCallEventHandlerUnpacked(C* pTarget, void (C::*pfn)(A...), DISPPARAMS* pParams, std::index_sequence<I...>)
{
    std::tuple<AfxEventArg<A>...> args;
    (void)args;
    // The first parameter is the last argument in rgvarg.
    bool bFits = (std::get<I>(args).Unpack(&pParams->rgvarg[pParams->cArgs - 1 - I]) && ...);
    if (!bFits)
        return DISP_E_TYPEMISMATCH;
    (pTarget->*pfn)(std::get<I>(args).Get()...);
    (std::get<I>(args).WriteBack(), ...);
    return S_OK;
}

template <class C, class... A>
HRESULT AfxCallEventHandler(C* pTarget, void (C::*pfn)(A...), DISPPARAMS* pParams)
{
    if (!pParams || pParams->cArgs < sizeof...(A) || (sizeof...(A) > 0 && !pParams->rgvarg))
        return DISP_E_BADPARAMCOUNT;
    return AfxCallEventHandlerUnpacked(pTarget, pfn, pParams, std::index_sequence_for<A...>());
}

// The map macros each hold part of a function; they stay laid out by hand.
// clang-format off
#define DECLARE_EVENTSINK_MAP()                                         \
public:                                                                 \
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();               \
protected:                                                              \
    const AFX_EVENTSINKMAP* GetEventSinkMap() const override;

#define BEGIN_EVENTSINK_MAP(theClass, baseClass)                        \
    const AFX_EVENTSINKMAP* theClass::GetEventSinkMap() const           \
        { return GetThisEventSinkMap(); }                               \
    const AFX_EVENTSINKMAP* theClass::GetThisEventSinkMap()             \
    {                                                                   \
        typedef baseClass TheBaseClass;                                 \
        static const AFX_EVENTSINKMAP_ENTRY _eventEntries[] = {

#define ON_EVENT(theClass, id, dispid, pfnHandler, vtsParams)           \
            { static_cast<UINT>(id), static_cast<DISPID>(dispid),       \
              [](CWnd* pWnd, DISPPARAMS* pParams) -> HRESULT {          \
                  static_assert(AfxEventHandlerMatches(&theClass::pfnHandler, vtsParams), \
                                #pfnHandler " does not take " #vtsParams); \
                  return AfxCallEventHandler(static_cast<theClass*>(pWnd), \
                                             &theClass::pfnHandler, pParams); } },

#define END_EVENTSINK_MAP()                                             \
            { 0, 0, nullptr }                                           \
        };                                                              \
        static const AFX_EVENTSINKMAP eventMap =                        \
            { &AfxEventSinkMapOf<TheBaseClass>::Get, _eventEntries };   \
        return &eventMap;                                               \
    }
// clang-format on
