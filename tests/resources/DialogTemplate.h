// An extended dialog template as the resource holds it.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct DialogItem {
    DWORD id, style, exStyle;
    short x, y, cx, cy;
    std::wstring cls, text;  // an ordinal class reads "#n"
};

struct DialogTemplate {
    bool ok = false;  // false when missing, not extended, or cut short
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, cls, caption, face;
    WORD points = 0, weight = 0;
    BYTE charset = 0;
    std::vector<DialogItem> items;
};

DialogTemplate ReadDialogTemplate(WORD id);
