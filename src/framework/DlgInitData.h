// The dialog-initialisation resource (type 240) that goes with a dialog
// template of the same id: the saved state of the template's ActiveX
// controls.
//
// Layout: records of WORD control id, WORD message, DWORD length and that
// many bytes, ended by a zero WORD.  A control's saved state is the record
// with message 0x0376; its bytes are a DWORD licence-key length in UTF-16
// characters, the key, and then the control's persisted stream.
#pragma once
#include <windows.h>
#include <cstddef>
#include <string>
#include <vector>

#define AFX_DLGINIT_RESOURCE_TYPE  240
#define AFX_DLGINIT_LOADFROMSTREAM 0x0376

struct COccSavedState {
    std::wstring licenseKey;   // empty: the control is not licensed
    std::vector<BYTE> stream;  // what IPersistStreamInit::Load reads
};

// Finds the saved state of control nID in the records at p (cb bytes).
// FALSE when there is none or the record is malformed, so the control
// starts fresh instead.
BOOL AfxFindOccSavedState(const BYTE* p, size_t cb, UINT nID, COccSavedState* pState);

// The type-240 resource of dialog nIDTemplate in hInst, or null (and 0).
const BYTE* AfxLoadDlgInitResource(HINSTANCE hInst, UINT nIDTemplate, size_t* pcb);
