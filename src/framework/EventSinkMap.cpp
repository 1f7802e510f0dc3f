#include "EventSinkMap.h"

const AFX_EVENTSINKMAP_ENTRY* AfxFindEventSinkEntry(const AFX_EVENTSINKMAP* pMap, UINT idCtrl, DISPID dispid)
{
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_EVENTSINKMAP_ENTRY* e = pMap->lpEntries; e && e->pfn; ++e) {
            if (e->idCtrl == idCtrl && e->dispid == dispid)
                return e;
        }
    }
    return nullptr;
}
