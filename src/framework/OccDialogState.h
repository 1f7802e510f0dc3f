// What the control container keeps per dialog between taking the ActiveX
// items out of its template and creating the controls.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct COccControlItem {
    CLSID clsid;
    WORD id;
    DWORD style;
    DWORD exStyle;
    RECT rcDlgUnits;   // x, y, x + cx, y + cy in dialog units
};

struct COccDialogState {
    std::vector<BYTE> strippedTemplate;
    std::vector<COccControlItem> items;
};
