// CCmdTarget: the root of every object that has a message map.
#pragma once
#include "MessageMap.h"

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the command handler for nID from this object's map, if any.
    virtual BOOL OnCmdMsg(UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
};
