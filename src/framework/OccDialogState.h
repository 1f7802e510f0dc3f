// What the control container keeps per dialog between taking the ActiveX
// items out of its template (before the dialog manager sees it) and
// creating the controls (on WM_INITDIALOG).
#pragma once
#include <windows.h>
#include <vector>

// One template item whose class was a "{CLSID}" string.
struct COccControlItem {
    CLSID clsid;
    UINT id;
    DWORD style;
    DWORD exStyle;
    RECT rcDlgUnits;  // x, y, x + cx, y + cy in dialog units
};

struct COccDialogState {
    // The template without the ActiveX items; DWORD-aligned storage, since
    // the dialog manager reads it as DLGTEMPLATEEX.
    std::vector<DWORD> strippedTemplate;
    std::vector<COccControlItem> items;
};
