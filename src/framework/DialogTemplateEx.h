// Reading extended dialog templates (DLGTEMPLATEEX) for the control
// container: the dialog manager cannot create windows whose class is a
// "{CLSID}" string, so those items are taken out and handed to the
// container instead.
#pragma once
#include "OccDialogState.h"
#include <cstddef>

// Copies the template at p (cb bytes) into pState->strippedTemplate without
// the items whose class is a "{CLSID}" string, which go to pState->items in
// template order.  Every other byte is kept as it was; only the item count
// changes.  Returns FALSE, leaving pState empty, for a template that is not
// DLGTEMPLATEEX, names no control, or runs past cb.
BOOL AfxSplitOccTemplate(const BYTE* p, size_t cb, COccDialogState* pState);
