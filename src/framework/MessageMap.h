// Message maps: a static table per class listing only the messages that
// class handles, each routed to a typed handler named after its message.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_PAINT()
//       ON_MESSAGE(WM_APP, &CMyDlg::OnApp)
//   END_MESSAGE_MAP()
//
// Each entry holds a small capture-less lambda that unpacks wParam/lParam
// and calls the handler, so a handler with the wrong signature does not
// compile.  Lookup walks the class's table, then its base class's.
#pragma once
#include <windows.h>

class CCmdTarget;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // 0 ends the table
    UINT nID;       // command id for WM_COMMAND entries, else 0
    LRESULT (*pfn)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Finds the entry for a message (and command id) in a map chain, or null.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nID);

// The map macros each hold part of a function; they stay laid out by hand.
// clang-format off
#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const AFX_MSGMAP* GetThisMessageMap();               \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                  \
    const AFX_MSGMAP* theClass::GetMessageMap() const           \
        { return GetThisMessageMap(); }                         \
    const AFX_MSGMAP* theClass::GetThisMessageMap()             \
    {                                                           \
        typedef theClass ThisClass;                             \
        typedef baseClass TheBaseClass;                         \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                       \
            { 0, 0, nullptr }                                   \
        };                                                      \
        static const AFX_MSGMAP messageMap =                    \
            { &TheBaseClass::GetThisMessageMap, _messageEntries }; \
        return &messageMap;                                     \
    }

#define AFX_MSG_ENTRY(msg, body)                                \
    { msg, 0, [](CCmdTarget* t, WPARAM wParam, LPARAM lParam) -> LRESULT { \
        ThisClass* p = static_cast<ThisClass*>(t); (void)p; (void)wParam; (void)lParam; body } },

#define AFX_PT(lParam) CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))

#define ON_WM_CREATE()        AFX_MSG_ENTRY(WM_CREATE, return p->OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam));)
#define ON_WM_PAINT()         AFX_MSG_ENTRY(WM_PAINT, p->OnPaint(); return 0;)
#define ON_WM_DESTROY()       AFX_MSG_ENTRY(WM_DESTROY, p->OnDestroy(); return 0;)
#define ON_WM_CLOSE()         AFX_MSG_ENTRY(WM_CLOSE, p->OnClose(); return 0;)
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, return reinterpret_cast<LRESULT>(p->OnQueryDragIcon());)
#define ON_WM_MOVE()          AFX_MSG_ENTRY(WM_MOVE, p->OnMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); return 0;)
#define ON_WM_SIZE()          AFX_MSG_ENTRY(WM_SIZE, p->OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); return 0;)
#define ON_WM_TIMER()         AFX_MSG_ENTRY(WM_TIMER, p->OnTimer(static_cast<UINT_PTR>(wParam)); return 0;)
#define ON_WM_SHOWWINDOW()    AFX_MSG_ENTRY(WM_SHOWWINDOW, p->OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); return 0;)
#define ON_WM_LBUTTONDOWN()   AFX_MSG_ENTRY(WM_LBUTTONDOWN, p->OnLButtonDown(static_cast<UINT>(wParam), AFX_PT(lParam)); return 0;)
#define ON_WM_MOUSEMOVE()     AFX_MSG_ENTRY(WM_MOUSEMOVE, p->OnMouseMove(static_cast<UINT>(wParam), AFX_PT(lParam)); return 0;)
#define ON_WM_MOUSEHOVER()    AFX_MSG_ENTRY(WM_MOUSEHOVER, p->OnMouseHover(static_cast<UINT>(wParam), AFX_PT(lParam)); return 0;)
#define ON_WM_KEYDOWN()       AFX_MSG_ENTRY(WM_KEYDOWN, p->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)
#define ON_MESSAGE(msg, memberFxn) \
    { msg, 0, [](CCmdTarget* t, WPARAM wParam, LPARAM lParam) -> LRESULT { \
        return (static_cast<ThisClass*>(t)->*(memberFxn))(wParam, lParam); } },
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, id, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { \
        (static_cast<ThisClass*>(t)->*(memberFxn))(); return 0; } },
// clang-format on
